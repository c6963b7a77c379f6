#include "device/device_state.h"

#include <algorithm>
#include <cctype>

#include "platform/text/ascii.h"

namespace rd {

namespace {

constexpr const char* kTable = "routervariables";
constexpr const char* kKeyColumn = "Config_Variable";
constexpr const char* kDeviceTableQuery = "SELECT *  FROM  routervariables ";
constexpr const char* kHostNameQuery =
    " select * from routervariables where Config_Variable = 'HostName'  ";

bool EqualsNoCase(const std::string& a, const std::string& b) { return ascii::EqualNoCase(a, b); }

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

std::string TableNamed() { return std::string("the device table ") + kTable; }

}  // namespace

db::DbError MissingRow(const std::string& key) {
  return db::DbError(TableNamed() + " has no row " + Quoted(key));
}

db::DbError MissingCell(const std::string& key, const std::string& column) {
  return db::DbError(TableNamed() + " has no row " + Quoted(key) + " for the device " +
                     Quoted(column) + ", or no column " + Quoted(column));
}

std::string VariableQueryText(const std::string& key, VariableQuery form) {
  const char* select = form == VariableQuery::Upper ? "SELECT" : " select";
  return std::string(select) +
         " * from routervariables where Config_Variable = " + db::SqlQuoted(key) + " ";
}

int FindDeviceField(const db::Recordset& rs, const std::string& column) {
  for (int pos = 0; pos < rs.FieldCount(); ++pos) {
    if (EqualsNoCase(rs.FieldName(pos), column)) return pos;
  }
  return -1;
}

std::optional<std::string> ReadDeviceVariable(db::Connection& conn, const std::string& key,
                                              const std::string& column, VariableQuery form) {
  db::Recordset rs;
  rs.Open(VariableQueryText(key, form), conn, db::adOpenDynamic);
  if (rs.EOF_()) return std::nullopt;
  const int pos = FindDeviceField(rs, column);
  if (pos < 0) return std::nullopt;
  return rs.Field(pos).Text();
}

WriteOutcome WriteDeviceVariable(db::Connection& conn, const std::string& key,
                                 const std::string& column, const std::string& value,
                                 VariableQuery form) {
  db::Recordset rs;
  rs.CursorType = db::adOpenKeyset;
  rs.LockType = db::adLockOptimistic;
  rs.Open(VariableQueryText(key, form), conn, db::adOpenDynamic);
  if (rs.EOF_()) return WriteOutcome::NoRow;
  const int pos = FindDeviceField(rs, column);
  if (pos < 0) return WriteOutcome::NoColumn;
  rs.SetField(pos, value);
  rs.Update();
  return WriteOutcome::Written;
}

std::string RequireDeviceVariable(db::Connection& conn, const std::string& key,
                                  const std::string& column, VariableQuery form) {
  const auto value = ReadDeviceVariable(conn, key, column, form);
  if (!value) throw MissingCell(key, column);
  return *value;
}

void StoreDeviceVariable(db::Connection& conn, const std::string& key, const std::string& column,
                         const std::string& value, VariableQuery form) {
  switch (WriteDeviceVariable(conn, key, column, value, form)) {
    case WriteOutcome::Written:
      return;
    case WriteOutcome::NoRow:
      throw MissingRow(key);
    case WriteOutcome::NoColumn:
      throw db::DbError(TableNamed() + " has no column " + Quoted(column) + " for the device");
  }
}

std::vector<int> VariableRows::WorkingColumns() const {
  std::vector<int> ordinals;
  for (int pos = 2; pos < static_cast<int>(columns.size()); pos += 2) ordinals.push_back(pos);
  return ordinals;
}

int VariableRows::FindColumn(const std::string& column) const {
  for (size_t pos = 0; pos < columns.size(); ++pos) {
    if (EqualsNoCase(columns[pos], column)) return static_cast<int>(pos);
  }
  return -1;
}

const VariableRows::Row* VariableRows::Find(const std::string& key) const {
  for (const Row& row : rows) {
    if (EqualsNoCase(row.key, key)) return &row;
  }
  return nullptr;
}

const VariableRows::Row& VariableRows::Require(const std::string& key) const {
  const Row* row = Find(key);
  if (row == nullptr) throw MissingRow(key);
  return *row;
}

VariableRows ReadVariableRows(db::Connection& conn, const std::string& sql) {
  db::Recordset rs;
  rs.Open(sql, conn, db::adOpenDynamic);
  VariableRows result;
  for (int pos = 0; pos < rs.FieldCount(); ++pos) result.columns.push_back(rs.FieldName(pos));
  for (; !rs.EOF_(); rs.MoveNext()) {
    VariableRows::Row row;
    for (int pos = 0; pos < rs.FieldCount(); ++pos) row.cells.push_back(rs.Field(pos).Text());
    row.key = row.cells.empty() ? std::string() : row.cells[0];
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::optional<std::string> DeviceTableLayoutFault(const std::vector<std::string>& columns) {
  const std::string table = TableNamed() + " ";
  if (columns.empty() || !EqualsNoCase(columns[0], kKeyColumn)) {
    return table + "must begin with the key column " + kKeyColumn;
  }
  if (columns.size() < 3) return table + "has no device columns";
  if (columns.size() % 2 == 0) {
    return table + "has " + std::to_string(columns.size() - 1) +
           " device columns: each device needs a saved and a working column";
  }
  return std::nullopt;
}

void ResetWorkingColumns(db::Connection& conn) {
  db::Recordset rs;
  rs.CursorType = db::adOpenKeyset;
  rs.LockType = db::adLockOptimistic;
  rs.Open(kDeviceTableQuery, conn, db::adOpenDynamic);
  std::vector<std::string> columns;
  for (int pos = 0; pos < rs.FieldCount(); ++pos) columns.push_back(rs.FieldName(pos));
  if (const auto fault = DeviceTableLayoutFault(columns)) throw db::DbError(*fault);
  db::Transaction transaction(conn);
  for (; !rs.EOF_(); rs.MoveNext()) {
    for (int saved = 1; saved + 1 < rs.FieldCount(); saved += 2) {
      rs.SetField(saved + 1, rs.Field(saved).Text());
    }
    rs.Update();
  }
  transaction.Commit();
}

DeviceRef FirstDevice(db::Connection& conn) {
  db::Recordset rs;
  rs.Open(kHostNameQuery, conn, db::adOpenDynamic);
  if (rs.EOF_()) {
    throw db::DbError(TableNamed() +
                      " has no row \"HostName\": every device needs its host name there");
  }
  if (rs.FieldCount() < 3) {
    throw db::DbError(TableNamed() + " has no device columns");
  }
  return {rs.Field(2).Text(), rs.FieldName(2)};
}

std::vector<std::string> DeviceHostNames(db::Connection& conn) {
  const VariableRows hosts = ReadVariableRows(conn, kHostNameQuery);
  std::vector<std::string> names;
  if (hosts.rows.empty()) return names;
  for (int col : hosts.WorkingColumns()) names.push_back(hosts.rows.front().cells[col]);
  return names;
}

std::optional<DeviceColumn> ColumnOfHost(db::Connection& conn, const std::string& hostName) {
  const VariableRows hosts = ReadVariableRows(conn, kHostNameQuery);
  if (hosts.rows.empty()) return std::nullopt;
  for (int col : hosts.WorkingColumns()) {
    if (hosts.rows.front().cells[col] == hostName) return DeviceColumn{col, hosts.columns[col]};
  }
  return std::nullopt;
}

}  // namespace rd
