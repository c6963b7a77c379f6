#include "table_reader.h"

#include <sqlite3.h>

namespace rd::sessions {

std::optional<Table> ReadTable(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close_v2(db);
    return std::nullopt;
  }
  sqlite3_busy_timeout(db, 2000);
  sqlite3_stmt* stmt = nullptr;
  std::optional<Table> table;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
    table.emplace();
    const int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i) table->columns.emplace_back(sqlite3_column_name(stmt, i));
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
      std::vector<std::string>& row = table->rows.emplace_back();
      for (int i = 0; i < count; ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        row.emplace_back(text != nullptr ? text : "");
      }
    }
    if (step != SQLITE_DONE) table.reset();
  }
  sqlite3_finalize(stmt);
  sqlite3_close_v2(db);
  return table;
}

}  // namespace rd::sessions
