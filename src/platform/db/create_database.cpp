#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/db/db.h"
#include "platform/db/engine.h"
#include "platform/db/statement.h"
#include "platform/db/text.h"
#include "platform/text/ascii.h"

namespace rd::db {
namespace {

int LineAt(const std::string& text, size_t offset) {
  return 1 +
         static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

// Runs every statement of the script; a failure throws DbError "FILE:LINE: message", the line
// being where the error lies when SQLite tells, else where the failing statement starts.
void RunScript(sqlite3* db, const std::string& file) {
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(file, ec)) in.open(file, std::ios::binary);
  if (!in.is_open()) throw DbError(file + ": can't read the SQL file");
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) throw DbError(file + ": can't read the SQL file");
  const std::string sql = buffer.str();
  size_t pos = SkipFiller(sql, 0);
  while (pos < sql.size()) {
    const char* start = sql.c_str() + pos;
    const char* tail = nullptr;
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, start, static_cast<int>(sql.size() - pos), &stmt, &tail);
    if (rc == SQLITE_OK && stmt != nullptr) {
      while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      }
      if (rc == SQLITE_DONE) rc = SQLITE_OK;
    }
    if (rc != SQLITE_OK) {
      int offset = sqlite3_error_offset(db);
      std::string message = sqlite3_errmsg(db);
      sqlite3_finalize(stmt);
      size_t at = offset >= 0 ? pos + static_cast<size_t>(offset) : pos;
      throw DbError(file + ":" + std::to_string(LineAt(sql, at)) + ": " + message);
    }
    sqlite3_finalize(stmt);
    pos = SkipFiller(sql, static_cast<size_t>(tail - sql.c_str()));
  }
}

// WHERE and LIKE must ignore case on text, so every text column has to be declared with the
// NOCASE collation; throws DbError naming the first column that isn't.
void CheckTextColumns(sqlite3* db, const std::string& outPath) {
  Statement tables(db,
                   "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                   "'sqlite\\_%' ESCAPE '\\'");
  while (tables.Step()) {
    std::string table = tables.Column(0).value_or("");
    Statement columns(db, "SELECT name, type FROM pragma_table_info(?)");
    columns.Bind(1, table);
    while (columns.Step()) {
      std::string column = columns.Column(0).value_or("");
      std::string type = columns.Column(1).value_or("");
      for (char& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      bool text = type.find("CHAR") != std::string::npos ||
                  type.find("CLOB") != std::string::npos || type.find("TEXT") != std::string::npos;
      const char* collation = nullptr;
      if (!text ||
          sqlite3_table_column_metadata(db, "main", table.c_str(), column.c_str(), nullptr,
                                        &collation, nullptr, nullptr, nullptr) != SQLITE_OK) {
        continue;
      }
      if (collation == nullptr || !ascii::EqualNoCase(collation, "NOCASE")) {
        throw DbError(outPath + ": text column " + table + "." + column +
                      " must be declared COLLATE NOCASE");
      }
    }
  }
}

void StorePassword(sqlite3* db, const std::string& password) {
  Statement create(
      db, std::string("CREATE TABLE ") + kMetaTable + " (name TEXT PRIMARY KEY, value TEXT)");
  create.Step();
  Statement insert(db, std::string("INSERT INTO ") + kMetaTable + " VALUES ('password', ?)");
  insert.Bind(1, password);
  insert.Step();
}

bool SyncFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
}

}  // namespace

void CreateDatabase(const std::string& outPath, const std::vector<std::string>& sqlFiles,
                    const std::string& password) {
  std::string temp = outPath + ".tmp" + std::to_string(getpid());
  std::remove(temp.c_str());
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  try {
    if (rc != SQLITE_OK) ThrowSqlite(db, outPath + ": can't create the database file");
    // The file is private until the rename and thrown away on any failure, so the build needs
    // neither a journal on disk nor a sync per statement; the rename waits for one final sync.
    sqlite3_exec(db, "PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF", nullptr, nullptr,
                 nullptr);
    for (const std::string& file : sqlFiles) RunScript(db, file);
    CheckTextColumns(db, outPath);
    StorePassword(db, password);
  } catch (...) {
    sqlite3_close_v2(db);
    std::remove(temp.c_str());
    throw;
  }
  if (sqlite3_close_v2(db) != SQLITE_OK || !SyncFile(temp) ||
      std::rename(temp.c_str(), outPath.c_str()) != 0) {
    std::remove(temp.c_str());
    throw DbError(outPath + ": can't write the database file");
  }
}

}  // namespace rd::db
