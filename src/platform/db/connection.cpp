#include <cctype>
#include <map>

#include "platform/db/db.h"
#include "platform/db/engine.h"
#include "platform/registry/registry.h"

namespace rd::db {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// "KEY=value;KEY=value;" as lower-case keys and their values (the first '=' splits).
std::map<std::string, std::string> ParseConnectionString(const std::string& text) {
  std::map<std::string, std::string> parts;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = std::min(text.find(';', pos), text.size());
    std::string part = text.substr(pos, end - pos);
    size_t eq = part.find('=');
    if (eq != std::string::npos) parts[Lower(Trim(part.substr(0, eq)))] = part.substr(eq + 1);
    pos = end + 1;
  }
  return parts;
}

}  // namespace

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::Open(const std::string& connectionString, const std::string& /*user*/,
                      const std::string& /*password*/, int /*options*/) {
  engine_.reset();
  auto parts = ParseConnectionString(connectionString);
  auto dsn = parts.find("dsn");
  if (dsn == parts.end() || Trim(dsn->second).empty()) {
    throw DbError("connection string names no data source (DSN)");
  }
  std::string name = Trim(dsn->second);
  std::string key = "SOFTWARE\\ODBC\\ODBC.INI\\" + name;
  if (!registry::ReadKey(key)) throw DbError("data source \"" + name + "\" is not registered");
  std::optional<std::string> file = registry::ReadString(key, "DBQ");
  if (!file || file->empty()) {
    throw DbError("data source \"" + name + "\" names no database file (DBQ)");
  }
  std::shared_ptr<Engine> engine = AcquireEngine(*file);
  auto pwd = parts.find("pwd");
  if (!engine->Accepts(pwd == parts.end() ? "" : pwd->second)) {
    throw DbError("wrong password for database file \"" + engine->path() + "\"");
  }
  engine_ = std::move(engine);
}

void Connection::Close() { engine_.reset(); }

bool Connection::IsOpen() const { return engine_ != nullptr; }

std::shared_ptr<Engine> Connection::engine() const { return engine_; }

}  // namespace rd::db
