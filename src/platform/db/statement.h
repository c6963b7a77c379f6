// A prepared SQLite statement that finalizes itself; failures throw DbError.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/db/db.h"

namespace rd::db {

// Throws DbError with SQLite's message for db, prefixed by context when it is not empty.
[[noreturn]] void ThrowSqlite(sqlite3* db, const std::string& context);

// Runs one statement that returns no rows.
void Execute(sqlite3* db, const std::string& sql);

class Statement {
 public:
  // Compiles the first statement of sql; throws DbError naming the query when that fails.
  // tail receives the byte offset just past that statement when given.
  Statement(sqlite3* db, const std::string& sql, size_t* tail = nullptr);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void Bind(int index, const std::string& text);  // 1-based, as text (column affinity applies)
  void Bind(int index, int64_t number);
  // Runs one step: true when a row is ready, false when done.
  bool Step();
  int ColumnCount() const;
  std::optional<std::string> Column(int i) const;  // NULL as nullopt, numbers as decimal text
  sqlite3_stmt* get() const { return stmt_; }
  bool empty() const { return stmt_ == nullptr; }  // the text held no statement

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  std::string sql_;
};

}  // namespace rd::db
