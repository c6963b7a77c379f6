// Shared SQLite handles, one per database file, kept open between connections.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <string>

namespace rd::db {

// Name of the table that holds the database password (rows name, value). The program's queries
// name their tables, so the table never shows in their results.
inline constexpr const char* kMetaTable = "rd_meta";

class Engine {
 public:
  // Takes ownership of db, an open handle of the file at path.
  Engine(sqlite3* db, std::string path);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  sqlite3* handle() const { return db_; }
  const std::string& path() const { return path_; }
  // True when password matches the one stored in the file (a file without one takes any).
  bool Accepts(const std::string& password) const;

 private:
  sqlite3* db_;
  std::string path_;
  std::optional<std::string> password_;
};

// The engine of the database file at path (relative to the working directory), opened when not
// cached or when the file at path has been replaced since. Never creates the file: a missing
// file or one that is no database throws DbError naming it.
std::shared_ptr<Engine> AcquireEngine(const std::string& path);

}  // namespace rd::db
