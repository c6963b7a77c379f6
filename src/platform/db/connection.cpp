#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/ascii.h"
#include "platform/db/db.h"
#include "platform/db/engine.h"
#include "platform/db/text.h"
#include "platform/registry/registry.h"

namespace rd::db {
namespace {

// The value of key (letter case and blanks around it ignored) in "KEY=value;KEY=value;"; the
// first '=' of a part splits it.
std::optional<std::string> ConnectionValue(const std::string& text, std::string_view key) {
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = std::min(text.find(';', pos), text.size());
    std::string_view part(text.data() + pos, end - pos);
    size_t eq = part.find('=');
    if (eq != std::string::npos && ascii::EqualNoCase(Trim(part.substr(0, eq)), key)) {
      return std::string(part.substr(eq + 1));
    }
    pos = end + 1;
  }
  return std::nullopt;
}

}  // namespace

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::Open(const std::string& connectionString, const std::string& /*user*/,
                      const std::string& /*password*/, int /*options*/) {
  engine_.reset();
  std::string name = Trim(ConnectionValue(connectionString, "dsn").value_or(""));
  if (name.empty()) throw DbError("connection string names no data source (DSN)");
  std::string key = "SOFTWARE\\ODBC\\ODBC.INI\\" + name;
  if (!registry::ReadKey(key)) throw DbError("data source \"" + name + "\" is not registered");
  std::optional<std::string> file = registry::ReadString(key, "DBQ");
  if (!file || file->empty()) {
    throw DbError("data source \"" + name + "\" names no database file (DBQ)");
  }
  std::shared_ptr<Engine> engine = AcquireEngine(*file);
  if (!engine->Accepts(ConnectionValue(connectionString, "pwd").value_or(""))) {
    throw DbError("wrong password for database file \"" + engine->path() + "\"");
  }
  engine_ = std::move(engine);
}

void Connection::Close() { engine_.reset(); }

bool Connection::IsOpen() const { return engine_ != nullptr; }

std::shared_ptr<Engine> Connection::engine() const { return engine_; }

}  // namespace rd::db
