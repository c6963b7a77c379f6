#include "device/device_state.h"

#include <algorithm>
#include <cctype>

#include "platform/ascii.h"

namespace rd {

bool EqualsNoCase(const std::string& a, const std::string& b) { return ascii::EqualNoCase(a, b); }

std::string SqlQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

std::string VariableQueryText(const std::string& key, VariableQuery form) {
  const char* select = form == VariableQuery::Upper ? "SELECT" : " select";
  return std::string(select) + " * from routervariables where Config_Variable = " + SqlQuoted(key) +
         " ";
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
  if (!value) throw db::DbError("routervariables has no row " + key + " for device " + column);
  return *value;
}

void StoreDeviceVariable(db::Connection& conn, const std::string& key, const std::string& column,
                         const std::string& value, VariableQuery form) {
  switch (WriteDeviceVariable(conn, key, column, value, form)) {
    case WriteOutcome::Written:
      return;
    case WriteOutcome::NoRow:
      throw db::DbError("routervariables has no row " + key);
    case WriteOutcome::NoColumn:
      throw db::DbError("routervariables has no device column " + column);
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
  if (row == nullptr) throw db::DbError("routervariables has no row " + key);
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

std::vector<std::string> SplitAtBlanks(const std::string& text) {
  std::vector<std::string> words(1);
  for (char c : text) {
    if (c == ' ') {
      words.emplace_back();
    } else {
      words.back() += c;
    }
  }
  return words;
}

const std::string& WordAt(const std::vector<std::string>& words, size_t i) {
  static const std::string kNone;
  return i < words.size() ? words[i] : kNone;
}

}  // namespace rd
