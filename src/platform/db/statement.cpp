#include "platform/db/statement.h"

namespace rd::db {

void ThrowSqlite(sqlite3* db, const std::string& context) {
  std::string message = sqlite3_errmsg(db);
  throw DbError(context.empty() ? message : context + ": " + message);
}

void Execute(sqlite3* db, const std::string& sql) {
  Statement stmt(db, sql);
  while (stmt.Step()) {
  }
}

Statement::Statement(sqlite3* db, const std::string& sql, size_t* tail) : db_(db), sql_(sql) {
  const char* end = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size() + 1), &stmt_, &end) !=
      SQLITE_OK) {
    ThrowSqlite(db, "query failed (" + sql + ")");
  }
  if (tail != nullptr) *tail = static_cast<size_t>(end - sql.c_str());
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Bind(int index, const std::string& text) {
  if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK) {
    ThrowSqlite(db_, "query failed (" + sql_ + ")");
  }
}

void Statement::Bind(int index, int64_t number) {
  if (sqlite3_bind_int64(stmt_, index, number) != SQLITE_OK) {
    ThrowSqlite(db_, "query failed (" + sql_ + ")");
  }
}

bool Statement::Step() {
  switch (sqlite3_step(stmt_)) {
    case SQLITE_ROW:
      return true;
    case SQLITE_DONE:
      return false;
    default:
      ThrowSqlite(db_, "query failed (" + sql_ + ")");
  }
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

std::optional<std::string> Statement::Column(int i) const {
  if (sqlite3_column_type(stmt_, i) == SQLITE_NULL) return std::nullopt;
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
  return std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, i)));
}

}  // namespace rd::db
