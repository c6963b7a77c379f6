// ADO-like access to the lab database over SQLite.
//
// A Connection is opened with a connection string "DSN=<name>;pwd=<password>;" that is resolved
// through the registry store to the database file (value DBQ of the data source; a bare name is
// relative to the working directory). The password stored in the database file is checked on
// open. Engine handles are kept open per file behind the scenes, so opening is cheap; the
// Connection and Recordset objects themselves come and go per event.
//
// Every failure throws DbError with a message that names the problem; the forms runtime reports
// uncaught errors of an event in a message box and the program goes on.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rd::db {

struct DbError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Cursor types, lock types and locations as the callers name them.
enum CursorType : int { adOpenUnspecified = -1, adOpenKeyset = 1, adOpenDynamic = 2 };
enum LockType : int { adLockUnspecified = -1, adLockReadOnly = 1, adLockOptimistic = 3 };
enum CursorLocation : int { adUseServer = 2, adUseClient = 3 };
enum AffectEnum : int { adAffectCurrent = 1, adAffectAll = 3 };

// One cell. NULL reads as empty text, 0 and false.
class Value {
 public:
  Value() = default;
  explicit Value(std::optional<std::string> text) : text_(std::move(text)) {}
  bool IsNull() const { return !text_.has_value(); }
  const std::string& Text() const;  // "" for NULL; integers as their decimal text
  int16_t Int16() const;            // throws DbError when the text is no whole number
  bool Bool() const;                // "" / NULL / "0" false; any other number true
 private:
  std::optional<std::string> text_;
};

class Engine;  // shared engine handle of one database file

class Connection {
 public:
  Connection();
  ~Connection();
  // Opens the database named by the connection string; user and password arguments are unused.
  void Open(const std::string& connectionString, const std::string& user = "",
            const std::string& password = "", int options = -1);
  void Close();
  bool IsOpen() const;
  std::shared_ptr<Engine> engine() const;

 private:
  std::shared_ptr<Engine> engine_;
};

class Recordset {
 public:
  // Properties set before Open.
  int CursorType = adOpenDynamic;
  int LockType = adLockReadOnly;
  int CursorLocation = adUseServer;

  Recordset();
  ~Recordset();
  // Runs the query and reads the whole result into memory. The text goes through the dialect
  // shim first. A source of one table (no join) can be written.
  void Open(const std::string& sql, Connection& conn, int cursorType = -1, int lockType = -1,
            int options = -1);
  void Close();
  bool IsOpen() const;

  bool EOF_() const;  // past the last row (EOF is a macro in <cstdio>)
  bool BOF() const;   // before the first row
  void MoveFirst();
  void MoveNext();
  void MovePrevious();
  void MoveLast();
  int RecordCount() const;
  int AbsolutePosition() const;  // 0-based current row

  int FieldCount() const;
  const std::string& FieldName(int pos) const;
  const Value& Field(int pos) const;  // of the current row; throws at EOF/BOF

  // Writes to the current (or new) row, by column name without regard to case or by position.
  void SetField(const std::string& name, const std::string& value);
  void SetField(int pos, const std::string& value);
  void AddNew();   // starts a new row; Update saves it
  void Update();   // saves the edited or new row atomically
  void Delete(int affect = adAffectCurrent);
  void UpdateBatch(int affect = adAffectAll);

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// Creates a database file from SQL files (each run as a script) and sets its password.
// Refuses bad SQL with DbError naming the file and line. Used by routedrill-mkdb and tests.
void CreateDatabase(const std::string& outPath, const std::vector<std::string>& sqlFiles,
                    const std::string& password);

// Forgets cached engine handles (tests that rebuild a file at the same path call this).
void CloseAllEngines();

}  // namespace rd::db
