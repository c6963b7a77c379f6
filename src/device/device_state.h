// The device state table `routervariables`: one row per configuration variable, column 0 the
// key, then a saved and a working column per device (ordinals 2k-1 and 2k). A device is named by
// its working column. Keys are matched by the engine without regard to case; column names are
// matched here without regard to case; cell values are compared exactly by the callers.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/db/db.h"

namespace rd {

// The two spellings in which the routines ask for one variable:
// Upper "SELECT * from routervariables where Config_Variable = '<key>' " and
// Lower " select * from routervariables where Config_Variable = '<key>' ".
enum class VariableQuery { Upper, Lower };
std::string VariableQueryText(const std::string& key, VariableQuery form = VariableQuery::Upper);

// The error of a row the content must have: 'the device table routervariables has no row
// "KEY"', with the device column when it is the cell of one device that is missing.
db::DbError MissingRow(const std::string& key);
db::DbError MissingCell(const std::string& key, const std::string& column);

// Ordinal of the first field whose name equals `column` without regard to case; -1 if none.
int FindDeviceField(const db::Recordset& rs, const std::string& column);

// Value of variable `key` in device column `column`; nothing when the row or column is missing.
std::optional<std::string> ReadDeviceVariable(db::Connection& conn, const std::string& key,
                                              const std::string& column,
                                              VariableQuery form = VariableQuery::Upper);

enum class WriteOutcome { Written, NoRow, NoColumn };

// Sets variable `key` of device column `column` to `value` and saves the row (a writer
// recordset: keyset cursor, optimistic locking). Nothing is written unless the outcome is
// Written.
WriteOutcome WriteDeviceVariable(db::Connection& conn, const std::string& key,
                                 const std::string& column, const std::string& value,
                                 VariableQuery form = VariableQuery::Upper);

// As ReadDeviceVariable and WriteDeviceVariable, for rows the content must have: a missing row
// or column throws db::DbError naming it.
std::string RequireDeviceVariable(db::Connection& conn, const std::string& key,
                                  const std::string& column,
                                  VariableQuery form = VariableQuery::Upper);
void StoreDeviceVariable(db::Connection& conn, const std::string& key, const std::string& column,
                         const std::string& value, VariableQuery form = VariableQuery::Upper);

// A snapshot of some rows of the table, in the engine's stored order.
struct VariableRows {
  struct Row {
    std::string key;
    std::vector<std::string> cells;  // by ordinal; cells[0] is the key
  };
  std::vector<std::string> columns;  // field names by ordinal
  std::vector<Row> rows;

  // Ordinals of the working columns: 2, 4, 6, ... below the number of columns.
  std::vector<int> WorkingColumns() const;
  // Ordinal of the column named `column` (any letter case); -1 if none.
  int FindColumn(const std::string& column) const;
  // The first row whose key equals `key` without regard to case; nullptr if none.
  const Row* Find(const std::string& key) const;
  // As Find, but a missing row throws db::DbError naming it.
  const Row& Require(const std::string& key) const;
};

// Reads the rows that the query `sql` (a select of all columns of routervariables) returns.
VariableRows ReadVariableRows(db::Connection& conn, const std::string& sql);

// A device as the console knows it: its host name and its working column.
struct DeviceRef {
  std::string hostName;
  std::string column;
};

// What is wrong with the layout of the device table whose columns are `columns`: the key column
// Config_Variable first, then a saved and a working column per device, at least one device. The
// layout is positional: the device columns may have any names. Nothing when the layout is sound.
std::optional<std::string> DeviceTableLayoutFault(const std::vector<std::string>& columns);

// Every device's working column takes its saved value, all or nothing. Checks the layout first:
// a table that fails the check throws db::DbError saying what is wrong, and nothing is written.
void ResetWorkingColumns(db::Connection& conn);

// The first device of the table: the host name in its working column. Throws db::DbError when
// the table has no HostName row or no device.
DeviceRef FirstDevice(db::Connection& conn);

// The host names of every device in column order, as often as they occur.
std::vector<std::string> DeviceHostNames(db::Connection& conn);

// A working column of the device table: its ordinal and its name.
struct DeviceColumn {
  int ordinal = -1;
  std::string name;
};

// The working column of the first device (in column order) whose host name is `hostName`
// exactly; nothing when none has it.
std::optional<DeviceColumn> ColumnOfHost(db::Connection& conn, const std::string& hostName);

}  // namespace rd
