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

// Where a recordset's field comes from: the database file, the table and column (empty for an
// expression, which is named by the query's text and the field's name), and whether the query
// reads one table, so that its rows are known by their rowid. Places live as long as the
// program, so that a cell copied out of a recordset can still say where it came from.
struct CellPlace {
  std::string database;
  std::string table;
  std::string column;  // or the field's name in the result
  std::string query;   // for an expression
  bool rowids = false;
  auto operator<=>(const CellPlace&) const = default;
};

// One cell. NULL reads as empty text, 0 and false. A cell read from a recordset knows its
// place: a conversion that fails names the table, the column and the row (by rowid and key, or
// by its position in the result) in words a teacher who edited the content can act on.
class Value {
 public:
  Value() = default;
  explicit Value(std::optional<std::string> text) : text_(std::move(text)) {}
  // A cell of the row `row` at `place` (InternPlace), as a recordset reads it.
  Value(std::optional<std::string> text, const CellPlace* place, int64_t row)
      : text_(std::move(text)), place_(place), row_(row) {}
  // The same cell holding other text.
  Value WithText(std::optional<std::string> text) const {
    return Value(std::move(text), place_, row_);
  }
  const CellPlace* place() const { return place_; }
  bool IsNull() const { return !text_.has_value(); }
  const std::string& Text() const;  // "" for NULL; integers as their decimal text
  int16_t Int16() const;            // throws DbError when the text is no whole number
  bool Bool() const;                // "" / NULL / "0" false; any other number true; "True" /
                                    // "False" in any case as said; other text throws DbError
 private:
  // The error for a text that the conversion refuses: the quoted text, where it came from, and
  // what is wrong with it.
  DbError Refused(const std::string& problem) const;

  std::optional<std::string> text_;
  const CellPlace* place_ = nullptr;  // nullptr for a value made by hand
  int64_t row_ = 0;                   // rowid, or 1-based position in the result
};

class Engine;  // shared engine handle of one database file

class Connection {
 public:
  Connection();
  ~Connection();
  // Opens the database named by the connection string; user and password arguments are unused.
  void Open(const std::string& connectionString, const std::string& user = "",
            const std::string& password = "", int options = -1);
  void Close();  // rolls back a transaction this connection left running
  bool IsOpen() const;
  std::shared_ptr<Engine> engine() const;
  // The canonical path of the open database file; "" when not open.
  std::string DatabasePath() const;

  // Transactions. BeginTrans starts one (DbError when one is already running on the file);
  // until CommitTrans every change made through the file's connections can be undone by
  // RollbackTrans. Commit and rollback throw DbError when no transaction of this connection runs.
  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  bool InTransaction() const { return inTransaction_; }

 private:
  std::shared_ptr<Engine> engine_;
  bool inTransaction_ = false;
};

// A transaction scope: begins on construction and rolls back on destruction unless Commit ran,
// so a change of several rows is all or nothing even when an exception leaves the scope.
class Transaction {
 public:
  explicit Transaction(Connection& conn);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Connection& conn_;
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
  // shim first. lockType -1 keeps the LockType property. With a lock type above read-only, a
  // source of one table ("SELECT ... FROM t [WHERE ...] [ORDER BY ...]") can be written; any
  // other recordset refuses writes. Throws DbError when already open, when the connection is
  // not open, when the text is not exactly one statement, or when the query fails. A statement
  // that returns no rows (not a SELECT) is run and leaves the recordset closed.
  void Open(const std::string& sql, Connection& conn, int cursorType = -1, int lockType = -1,
            int options = -1);
  void Close();  // discards an unsaved edit
  bool IsOpen() const;

  bool EOF_() const;  // past the last row (EOF is a macro in <cstdio>)
  bool BOF() const;   // before the first row
  // Moves save an edit in progress first (as Update). MoveNext at EOF and MovePrevious at BOF
  // throw; MoveFirst/MoveLast on an empty result leave it at EOF/BOF. Deleted rows are skipped.
  void MoveFirst();
  void MoveNext();
  void MovePrevious();
  void MoveLast();
  int RecordCount() const;
  int AbsolutePosition() const;  // 0-based current row; -1 at BOF/EOF

  int FieldCount() const;
  const std::string& FieldName(int pos) const;
  // The value of the current row at pos; throws at EOF/BOF, naming the query.
  const Value& Field(int pos) const;

  // Writes to the current (or new) row, by column name without regard to case or by position.
  void SetField(const std::string& name, const std::string& value);
  void SetField(int pos, const std::string& value);
  void AddNew();  // starts a new row; Update saves it
  void Update();  // saves the edited or new row atomically (one statement, bound values), then
                  // reads it back; on failure the edit is undone and DbError thrown
  // Deletes the current row from the table at once (only adAffectCurrent); the row stays current
  // but unreadable until the cursor moves. Deleting an unsaved new row just drops it.
  void Delete(int affect = adAffectCurrent);
  void UpdateBatch(int affect = adAffectAll);  // saves an edit in progress; the rest is written

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// `text` as an SQL string literal, quotes included, every single quote doubled: a value taken
// from typed text can never end the literal early.
std::string SqlQuoted(const std::string& text);

// Creates a database file from SQL files (each run as a script) and sets its password.
// Refuses bad SQL with DbError naming the file and line. Used by routedrill-mkdb and tests.
void CreateDatabase(const std::string& outPath, const std::vector<std::string>& sqlFiles,
                    const std::string& password);

// Forgets cached engine handles (tests that rebuild a file at the same path call this).
void CloseAllEngines();

}  // namespace rd::db
