#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/db/db.h"
#include "platform/db/engine.h"
#include "platform/db/statement.h"
#include "platform/db/text.h"
#include "platform/registry/registry.h"
#include "platform/text/ascii.h"

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
Connection::~Connection() { Close(); }

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

void Connection::Close() {
  if (inTransaction_) {
    try {
      RollbackTrans();
    } catch (const DbError&) {
      inTransaction_ = false;  // nothing more can be undone; the handle goes on
    }
  }
  engine_.reset();
}

bool Connection::IsOpen() const { return engine_ != nullptr; }

std::shared_ptr<Engine> Connection::engine() const { return engine_; }

std::string Connection::DatabasePath() const { return engine_ ? engine_->path() : ""; }

void Connection::BeginTrans() {
  if (!engine_) throw DbError("no open connection to begin a transaction on");
  if (!sqlite3_get_autocommit(engine_->handle())) {
    throw DbError("a transaction is already running on \"" + engine_->path() + "\"");
  }
  Execute(engine_->handle(), "BEGIN");
  inTransaction_ = true;
}

void Connection::CommitTrans() {
  if (!inTransaction_) throw DbError("no transaction to commit");
  Execute(engine_->handle(), "COMMIT");
  inTransaction_ = false;
}

void Connection::RollbackTrans() {
  if (!inTransaction_) throw DbError("no transaction to roll back");
  inTransaction_ = false;
  // A failed statement may already have ended the transaction.
  if (!sqlite3_get_autocommit(engine_->handle())) Execute(engine_->handle(), "ROLLBACK");
}

Transaction::Transaction(Connection& conn) : conn_(conn) { conn_.BeginTrans(); }

Transaction::~Transaction() {
  if (!conn_.InTransaction()) return;
  try {
    conn_.RollbackTrans();
  } catch (const DbError&) {
    // A destructor must not throw; the connection is no longer in a transaction either way.
  }
}

void Transaction::Commit() { conn_.CommitTrans(); }

}  // namespace rd::db
