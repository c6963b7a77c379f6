#include <sqlite3.h>

#include <algorithm>
#include <memory_resource>

#include "platform/db/cell_place.h"
#include "platform/db/db.h"
#include "platform/db/dialect.h"
#include "platform/db/engine.h"
#include "platform/db/statement.h"
#include "platform/db/text.h"
#include "platform/text/ascii.h"

namespace rd::db {
namespace {

// True when only blanks, comments and semicolons remain from pos on.
bool OnlyFiller(const std::string& sql, size_t pos) {
  for (pos = SkipFiller(sql, pos); pos < sql.size() && sql[pos] == ';';) {
    pos = SkipFiller(sql, pos + 1);
  }
  return pos == sql.size();
}

enum class Edit { kNone, kChange, kAdd };

// Where the cells of the rows are kept: a pool that keeps the memory of the recordsets that are
// gone for the next ones, so that reading a large result again and again neither asks the system
// for fresh memory nor waits for it to be mapped in, row by row. One per thread, never freed, so
// no recordset outlives it.
std::pmr::memory_resource* CellMemory() {
  thread_local auto* pool = new std::pmr::unsynchronized_pool_resource();
  return pool;
}

struct Row {
  int64_t rowid = 0;  // 0 when the query does not read from a single table
  std::pmr::vector<Value> cells{CellMemory()};
  bool deleted = false;
};

// The table and column a field was read from; empty for an expression.
struct Origin {
  std::string table;
  std::string column;
};

// The rows of a change can't be saved in a database file opened read-only.
void CheckWritable(const Engine& engine, const std::string& table) {
  if (sqlite3_db_readonly(engine.handle(), "main") == 1) {
    throw DbError("the database file \"" + engine.path() +
                  "\" is read-only, so the change to table " + table +
                  " can't be saved; make the file and its folder writable");
  }
}

}  // namespace

struct Recordset::State {
  std::shared_ptr<Engine> engine;
  std::string sql;  // as the caller wrote it, for messages
  std::vector<std::string> names;
  std::vector<Origin> origins;           // where each field comes from
  std::vector<const CellPlace*> places;  // the same, for messages about a cell
  std::string table;                     // the written table; "" for a read-only recordset
  std::vector<Row> rows;
  int live = 0;  // rows not deleted, a new row being added among them
  int pos = 0;   // -1 before the first row, rows.size() past the last
  Edit edit = Edit::kNone;
  std::vector<bool> dirty;
  std::vector<Value> original;  // cells of the current row before the edit

  // A row just deleted stays current until the cursor moves, even when it was the last live
  // one: only a cursor off the rows, or a recordset without rows, is at an end.
  bool PastLast() const { return pos >= static_cast<int>(rows.size()) || (live == 0 && pos < 0); }
  bool BeforeFirst() const {
    return pos < 0 || (live == 0 && pos >= static_cast<int>(rows.size()));
  }
  // Drops the new row that was never saved; the cursor goes past the last row.
  void DropAdded() {
    rows.pop_back();
    --live;
    pos = static_cast<int>(rows.size());
  }
  // The next live row from pos in direction step, or the end on that side.
  int Seek(int from, int step) const {
    int p = from;
    while (p >= 0 && p < static_cast<int>(rows.size()) && rows[static_cast<size_t>(p)].deleted) {
      p += step;
    }
    return p < 0 ? -1 : std::min(p, static_cast<int>(rows.size()));
  }
  Row& Current() { return rows[static_cast<size_t>(pos)]; }
};

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Open(const std::string& sql, Connection& conn, int /*cursorType*/, int lockType,
                     int /*options*/) {
  if (s_) throw DbError("the recordset is already open");
  std::shared_ptr<Engine> engine = conn.engine();
  if (!engine) throw DbError("the connection is not open");
  if (lockType != adLockUnspecified) LockType = lockType;

  auto state = std::make_unique<State>();
  state->engine = engine;
  state->sql = sql;
  std::string query = TranslateSql(sql);
  // The rowid of a single table names its rows in messages, and locates them for writes.
  const std::optional<SingleTable> single = FindSingleTable(query);
  if (single) {
    query.insert(single->selectList, QuoteIdentifier(single->table) + ".rowid, ");
    if (LockType > adLockReadOnly) state->table = single->table;
  } else {
    // The engine may build indexes on the fly for a join, which would change the order of its
    // rows; the callers rely on the stored order.
    query = InStoredOrder(query);
  }
  size_t tail = 0;
  Statement stmt(engine->handle(), query, &tail);
  if (stmt.empty() || !OnlyFiller(query, tail)) {
    throw DbError("a query must be exactly one statement (" + sql + ")");
  }
  int first = single ? 1 : 0;
  for (int i = first; i < stmt.ColumnCount(); ++i) {
    state->names.emplace_back(sqlite3_column_name(stmt.get(), i));
    const char* table = sqlite3_column_table_name(stmt.get(), i);
    const char* column = sqlite3_column_origin_name(stmt.get(), i);
    state->origins.push_back(Origin{table ? table : "", column ? column : ""});
    state->places.push_back(InternPlace(CellPlace{engine->path(), state->origins.back().table,
                                                  column ? column : state->names.back(),
                                                  table ? "" : sql, single.has_value()}));
  }
  while (stmt.Step()) {
    Row row;
    row.cells.reserve(state->names.size());
    if (single) row.rowid = sqlite3_column_int64(stmt.get(), 0);
    const int64_t rowNumber = single ? row.rowid : static_cast<int64_t>(state->rows.size()) + 1;
    for (int i = first; i < stmt.ColumnCount(); ++i) {
      row.cells.emplace_back(stmt.Column(i), state->places[static_cast<size_t>(i - first)],
                             rowNumber);
    }
    state->rows.push_back(std::move(row));
  }
  state->live = static_cast<int>(state->rows.size());
  if (stmt.ColumnCount() == 0) return;  // a command, not a query: nothing to hold
  s_ = std::move(state);
}

void Recordset::Close() { s_.reset(); }

bool Recordset::IsOpen() const { return s_ != nullptr; }

bool Recordset::EOF_() const { return !s_ || s_->PastLast(); }

bool Recordset::BOF() const { return !s_ || s_->BeforeFirst(); }

void Recordset::MoveFirst() {
  Update();
  s_->pos = s_->Seek(0, 1);
}

void Recordset::MoveNext() {
  if (EOF_())
    throw DbError("no current row: already past the last row of \"" + Trim(s_->sql) + "\"");
  Update();
  s_->pos = s_->Seek(s_->pos + 1, 1);
}

void Recordset::MovePrevious() {
  if (BOF()) {
    throw DbError("no current row: already before the first row of \"" + Trim(s_->sql) + "\"");
  }
  Update();
  s_->pos = s_->Seek(s_->pos - 1, -1);
}

void Recordset::MoveLast() {
  Update();
  s_->pos = s_->Seek(static_cast<int>(s_->rows.size()) - 1, -1);
  if (s_->pos < 0) s_->pos = static_cast<int>(s_->rows.size());
}

int Recordset::RecordCount() const { return s_ ? s_->live : 0; }

int Recordset::AbsolutePosition() const {
  if (EOF_() || BOF()) return -1;
  int n = 0;
  for (int p = 0; p < s_->pos; ++p) n += s_->rows[static_cast<size_t>(p)].deleted ? 0 : 1;
  return n;
}

int Recordset::FieldCount() const { return s_ ? static_cast<int>(s_->names.size()) : 0; }

const std::string& Recordset::FieldName(int pos) const {
  if (pos < 0 || pos >= FieldCount()) {
    throw DbError("no field at position " + std::to_string(pos) +
                  (s_ ? " in the result of \"" + Trim(s_->sql) + "\"" : std::string()));
  }
  return s_->names[static_cast<size_t>(pos)];
}

const Value& Recordset::Field(int pos) const {
  FieldName(pos);  // checks the position
  if (EOF_() || BOF()) {
    const std::string query = "\"" + Trim(s_->sql) + "\"";
    if (s_->live == 0) throw DbError("no current row: the query " + query + " found no row");
    throw DbError(std::string("no current row: the cursor stands ") +
                  (EOF_() ? "after the last" : "before the first") + " row of " + query);
  }
  const Row& row = s_->rows[static_cast<size_t>(s_->pos)];
  if (row.deleted) throw DbError("the current row has been deleted");
  return row.cells[static_cast<size_t>(pos)];
}

void Recordset::SetField(const std::string& name, const std::string& value) {
  for (int i = 0; i < FieldCount(); ++i) {
    if (ascii::EqualNoCase(s_->names[static_cast<size_t>(i)], name)) return SetField(i, value);
  }
  throw DbError("no field named \"" + name + "\"");
}

void Recordset::SetField(int pos, const std::string& value) {
  FieldName(pos);
  if (s_->table.empty()) throw DbError("the recordset is read-only");
  const std::string& column = s_->origins[static_cast<size_t>(pos)].column;
  if (column.empty()) throw DbError("field \"" + FieldName(pos) + "\" can't be written");
  if (s_->edit == Edit::kNone) {
    Field(pos);  // checks that there is a current row
    s_->edit = Edit::kChange;
    s_->original.assign(s_->Current().cells.begin(), s_->Current().cells.end());
    s_->dirty.assign(s_->names.size(), false);
  }
  Value& cell = s_->Current().cells[static_cast<size_t>(pos)];
  cell = cell.WithText(value);
  s_->dirty[static_cast<size_t>(pos)] = true;
}

void Recordset::AddNew() {
  if (!s_) throw DbError("the recordset is not open");
  if (s_->table.empty()) throw DbError("the recordset is read-only");
  Update();
  Row added;
  for (const CellPlace* place : s_->places) added.cells.emplace_back(std::nullopt, place, 0);
  s_->rows.push_back(std::move(added));
  ++s_->live;
  s_->pos = static_cast<int>(s_->rows.size()) - 1;
  s_->edit = Edit::kAdd;
  s_->dirty.assign(s_->names.size(), false);
}

void Recordset::Update() {
  if (!s_) throw DbError("the recordset is not open");
  if (s_->edit == Edit::kNone) return;
  State& s = *s_;
  Row& row = s.Current();
  std::vector<std::string> sets;
  std::vector<const std::string*> values;
  for (size_t i = 0; i < s.names.size(); ++i) {
    if (!s.dirty[i]) continue;
    sets.push_back(QuoteIdentifier(s.origins[i].column));
    values.push_back(&row.cells[i].Text());
  }
  std::string sql;
  std::string table = QuoteIdentifier(s.table);
  if (s.edit == Edit::kAdd) {
    std::string cols;
    std::string marks;
    for (const std::string& set : sets) {
      cols += (cols.empty() ? "" : ", ") + set;
      marks += marks.empty() ? "?" : ", ?";
    }
    sql = sets.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                       : "INSERT INTO " + table + " (" + cols + ") VALUES (" + marks + ")";
  } else {
    std::string assigns;
    for (const std::string& set : sets) assigns += (assigns.empty() ? "" : ", ") + set + " = ?";
    sql = "UPDATE " + table + " SET " + assigns + " WHERE rowid = ?";
  }
  sqlite3* db = s.engine->handle();
  try {
    CheckWritable(*s.engine, s.table);
    if (!sets.empty() || s.edit == Edit::kAdd) {
      Statement stmt(db, sql);
      for (size_t i = 0; i < values.size(); ++i) stmt.Bind(static_cast<int>(i + 1), *values[i]);
      if (s.edit == Edit::kChange) stmt.Bind(static_cast<int>(values.size() + 1), row.rowid);
      stmt.Step();
      if (s.edit == Edit::kAdd) row.rowid = sqlite3_last_insert_rowid(db);
      if (s.edit == Edit::kChange && sqlite3_changes(db) != 1) {
        throw DbError("the row to update no longer exists in " + s.table);
      }
    }
  } catch (...) {
    if (s.edit == Edit::kAdd) {
      s.DropAdded();
    } else {
      row.cells.assign(s.original.begin(), s.original.end());
    }
    s.edit = Edit::kNone;
    throw;
  }
  s.edit = Edit::kNone;
  // Read the row back so it shows what the table now holds (types, defaults).
  std::string cols;
  std::vector<size_t> fields;
  for (size_t i = 0; i < s.names.size(); ++i) {
    if (s.origins[i].column.empty()) continue;
    cols += (cols.empty() ? "" : ", ") + QuoteIdentifier(s.origins[i].column);
    fields.push_back(i);
  }
  if (fields.empty()) return;
  Statement read(db, "SELECT " + cols + " FROM " + table + " WHERE rowid = ?");
  read.Bind(1, row.rowid);
  if (!read.Step()) return;
  for (size_t k = 0; k < fields.size(); ++k) {
    Value& cell = row.cells[fields[k]];
    cell = Value(read.Column(static_cast<int>(k)), cell.place(), row.rowid);
  }
}

void Recordset::Delete(int affect) {
  if (affect != adAffectCurrent) throw DbError("only the current row can be deleted");
  if (!s_) throw DbError("the recordset is not open");
  if (s_->table.empty()) throw DbError("the recordset is read-only");
  if (s_->edit == Edit::kAdd) {  // the new row was never saved: drop it
    s_->DropAdded();
    s_->edit = Edit::kNone;
    return;
  }
  if (s_->edit == Edit::kChange) {
    s_->Current().cells.assign(s_->original.begin(), s_->original.end());
    s_->edit = Edit::kNone;
  }
  Field(0);  // checks that there is a current row
  CheckWritable(*s_->engine, s_->table);
  Statement stmt(s_->engine->handle(),
                 "DELETE FROM " + QuoteIdentifier(s_->table) + " WHERE rowid = ?");
  stmt.Bind(1, s_->Current().rowid);
  stmt.Step();
  s_->Current().deleted = true;
  --s_->live;
}

void Recordset::UpdateBatch(int /*affect*/) {
  // Changes are written as they are made; only an edit in progress is left to save.
  Update();
}

}  // namespace rd::db
