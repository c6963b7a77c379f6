#include "platform/db/engine.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "platform/db/db.h"
#include "platform/db/statement.h"

namespace rd::db {
namespace {

struct CacheEntry {
  std::shared_ptr<Engine> engine;
  dev_t device;
  ino_t inode;
};

// Keyed by canonical path. A cached handle keeps its file's inode alive, so a file rebuilt at the
// same path always has another inode number.
std::map<std::string, CacheEntry>& Cache() {
  static std::map<std::string, CacheEntry> cache;
  return cache;
}

std::optional<std::string> ReadPassword(sqlite3* db, const std::string& path) {
  try {
    Statement exists(db, std::string("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                     "name = '") +
                             kMetaTable + "'");
    exists.Step();
    if (exists.Column(0) == "0") return std::nullopt;
    Statement read(db, std::string("SELECT value FROM ") + kMetaTable + " WHERE name = 'password'");
    if (!read.Step()) return std::nullopt;
    return read.Column(0).value_or("");
  } catch (const DbError&) {
    throw DbError("database file \"" + path + "\" can't be read: " + sqlite3_errmsg(db));
  }
}

}  // namespace

Engine::Engine(sqlite3* db, std::string path)
    : db_(db), path_(std::move(path)), password_(ReadPassword(db_, path_)) {}

Engine::~Engine() { sqlite3_close_v2(db_); }

bool Engine::Accepts(const std::string& password) const {
  return !password_ || *password_ == password;
}

std::shared_ptr<Engine> AcquireEngine(const std::string& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  std::filesystem::path canonical = std::filesystem::canonical(absolute, ec);
  struct stat st {};
  if (ec || stat(canonical.c_str(), &st) != 0) {
    throw DbError("database file \"" + absolute.string() + "\" not found");
  }
  if (S_ISDIR(st.st_mode)) {
    throw DbError("\"" + absolute.string() + "\" is a folder, not a database file");
  }
  if (!S_ISREG(st.st_mode)) {
    throw DbError("\"" + absolute.string() + "\" is not a file, so it can't be the database");
  }
  auto& cache = Cache();
  auto it = cache.find(canonical.string());
  if (it != cache.end()) {
    if (it->second.device == st.st_dev && it->second.inode == st.st_ino) return it->second.engine;
    cache.erase(it);
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(canonical.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close_v2(db);
    throw DbError("database file \"" + canonical.string() + "\" can't be opened: " + message);
  }
  sqlite3_busy_timeout(db, 2000);
  std::shared_ptr<Engine> engine;
  try {
    engine = std::make_shared<Engine>(db, canonical.string());
  } catch (...) {
    sqlite3_close_v2(db);
    throw;
  }
  cache[canonical.string()] = CacheEntry{engine, st.st_dev, st.st_ino};
  return engine;
}

void CloseAllEngines() { Cache().clear(); }

}  // namespace rd::db
