#include "platform/db/cell_place.h"

#include <mutex>
#include <set>

#include "platform/db/dialect.h"
#include "platform/db/engine.h"
#include "platform/db/statement.h"
#include "platform/db/text.h"

namespace rd::db {
namespace {

// The value of the first column of `table` in the row `rowid`, with that column's name.
std::string RowKey(const CellPlace& place, int64_t rowid) {
  try {
    const std::shared_ptr<Engine> engine = AcquireEngine(place.database);
    Statement column(engine->handle(), "SELECT name FROM pragma_table_info(?) WHERE cid = 0");
    column.Bind(1, place.table);
    if (!column.Step()) return "";
    const std::string name = column.Column(0).value_or("");
    Statement key(engine->handle(), "SELECT " + QuoteIdentifier(name) + " FROM " +
                                        QuoteIdentifier(place.table) + " WHERE rowid = ?");
    key.Bind(1, rowid);
    if (!key.Step()) return "";
    return " (" + name + " is " + key.Column(0).value_or("empty") + ")";
  } catch (const DbError&) {
    return "";
  }
}

}  // namespace

const CellPlace* InternPlace(const CellPlace& place) {
  static std::mutex mutex;
  static std::set<CellPlace> places;
  const std::lock_guard<std::mutex> lock(mutex);
  return &*places.insert(place).first;
}

std::string DescribePlace(const CellPlace& place, int64_t row) {
  if (place.table.empty()) {
    return "the result of \"" + Trim(place.query) + "\", column " + place.column + ", result row " +
           std::to_string(row);
  }
  const std::string where = "table " + place.table + ", column " + place.column;
  if (!place.rowids) return where + ", result row " + std::to_string(row);
  return where + ", row " + std::to_string(row) + RowKey(place, row);
}

}  // namespace rd::db
