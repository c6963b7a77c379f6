#include <sqlite3.h>

#include <algorithm>

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

struct Row {
  int64_t rowid = 0;
  std::vector<Value> cells;
  bool deleted = false;
};

}  // namespace

struct Recordset::State {
  std::shared_ptr<Engine> engine;
  std::string sql;  // as the caller wrote it, for messages
  std::vector<std::string> names;
  std::vector<std::string> columns;  // table column behind each field; "" when not writable
  std::string table;                 // the written table; "" for a read-only recordset
  std::vector<Row> rows;
  int pos = 0;  // -1 before the first row, rows.size() past the last
  Edit edit = Edit::kNone;
  std::vector<bool> dirty;
  std::vector<Value> original;  // cells of the current row before the edit

  int LiveCount() const {
    int n = 0;
    for (const Row& row : rows) n += row.deleted ? 0 : 1;
    return n;
  }
  bool AtRow() const { return pos >= 0 && pos < static_cast<int>(rows.size()); }
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
  std::optional<SingleTable> single;
  if (LockType > adLockReadOnly) single = FindSingleTable(query);
  if (single) {
    query.insert(single->selectList, QuoteIdentifier(single->table) + ".rowid, ");
    state->table = single->table;
  }
  size_t tail = 0;
  Statement stmt(engine->handle(), query, &tail);
  if (stmt.empty() || !OnlyFiller(query, tail)) {
    throw DbError("a query must be exactly one statement (" + sql + ")");
  }
  int first = single ? 1 : 0;
  for (int i = first; i < stmt.ColumnCount(); ++i) {
    state->names.emplace_back(sqlite3_column_name(stmt.get(), i));
    const char* origin = single ? sqlite3_column_origin_name(stmt.get(), i) : nullptr;
    state->columns.emplace_back(origin ? origin : "");
  }
  while (stmt.Step()) {
    Row row;
    if (single) row.rowid = sqlite3_column_int64(stmt.get(), 0);
    for (int i = first; i < stmt.ColumnCount(); ++i) row.cells.emplace_back(stmt.Column(i));
    state->rows.push_back(std::move(row));
  }
  if (stmt.ColumnCount() == 0) return;  // a command, not a query: nothing to hold
  s_ = std::move(state);
}

void Recordset::Close() { s_.reset(); }

bool Recordset::IsOpen() const { return s_ != nullptr; }

bool Recordset::EOF_() const {
  return !s_ || s_->LiveCount() == 0 || s_->pos >= static_cast<int>(s_->rows.size());
}

bool Recordset::BOF() const { return !s_ || s_->LiveCount() == 0 || s_->pos < 0; }

void Recordset::MoveFirst() {
  Update();
  s_->pos = s_->Seek(0, 1);
}

void Recordset::MoveNext() {
  if (EOF_()) throw DbError("no current row: already past the last row");
  Update();
  s_->pos = s_->Seek(s_->pos + 1, 1);
}

void Recordset::MovePrevious() {
  if (BOF()) throw DbError("no current row: already before the first row");
  Update();
  s_->pos = s_->Seek(s_->pos - 1, -1);
}

void Recordset::MoveLast() {
  Update();
  s_->pos = s_->Seek(static_cast<int>(s_->rows.size()) - 1, -1);
  if (s_->pos < 0) s_->pos = static_cast<int>(s_->rows.size());
}

int Recordset::RecordCount() const { return s_ ? s_->LiveCount() : 0; }

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
  if (EOF_() || BOF()) throw DbError("no current row: at the beginning or end of the records");
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
  const std::string& column = s_->columns[static_cast<size_t>(pos)];
  if (column.empty()) throw DbError("field \"" + FieldName(pos) + "\" can't be written");
  if (s_->edit == Edit::kNone) {
    Field(pos);  // checks that there is a current row
    s_->edit = Edit::kChange;
    s_->original = s_->Current().cells;
    s_->dirty.assign(s_->names.size(), false);
  }
  s_->Current().cells[static_cast<size_t>(pos)] = Value(value);
  s_->dirty[static_cast<size_t>(pos)] = true;
}

void Recordset::AddNew() {
  if (!s_) throw DbError("the recordset is not open");
  if (s_->table.empty()) throw DbError("the recordset is read-only");
  Update();
  s_->rows.push_back(Row{0, std::vector<Value>(s_->names.size()), false});
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
    sets.push_back(QuoteIdentifier(s.columns[i]));
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
      s.rows.pop_back();
      s.pos = static_cast<int>(s.rows.size());
    } else {
      row.cells = s.original;
    }
    s.edit = Edit::kNone;
    throw;
  }
  s.edit = Edit::kNone;
  // Read the row back so it shows what the table now holds (types, defaults).
  std::string cols;
  std::vector<size_t> fields;
  for (size_t i = 0; i < s.names.size(); ++i) {
    if (s.columns[i].empty()) continue;
    cols += (cols.empty() ? "" : ", ") + QuoteIdentifier(s.columns[i]);
    fields.push_back(i);
  }
  if (fields.empty()) return;
  Statement read(db, "SELECT " + cols + " FROM " + table + " WHERE rowid = ?");
  read.Bind(1, row.rowid);
  if (!read.Step()) return;
  for (size_t k = 0; k < fields.size(); ++k) {
    row.cells[fields[k]] = Value(read.Column(static_cast<int>(k)));
  }
}

void Recordset::Delete(int affect) {
  if (affect != adAffectCurrent) throw DbError("only the current row can be deleted");
  if (!s_) throw DbError("the recordset is not open");
  if (s_->table.empty()) throw DbError("the recordset is read-only");
  if (s_->edit == Edit::kAdd) {  // the new row was never saved: drop it
    s_->rows.pop_back();
    s_->pos = static_cast<int>(s_->rows.size());
    s_->edit = Edit::kNone;
    return;
  }
  if (s_->edit == Edit::kChange) {
    s_->Current().cells = s_->original;
    s_->edit = Edit::kNone;
  }
  Field(0);  // checks that there is a current row
  Statement stmt(s_->engine->handle(),
                 "DELETE FROM " + QuoteIdentifier(s_->table) + " WHERE rowid = ?");
  stmt.Bind(1, s_->Current().rowid);
  stmt.Step();
  s_->Current().deleted = true;
}

void Recordset::UpdateBatch(int /*affect*/) {
  // Changes are written as they are made; only an edit in progress is left to save.
  Update();
}

}  // namespace rd::db
