// Reading and writing one cell of the device state table straight from the test database,
// bypassing the code under test.
#pragma once

#include <string>

#include "platform/db/db.h"
#include "support/test_workdir.h"

namespace rd::test {

// The cell of routervariables row `key` in column `column`; "<no row>" or "<no column>" when
// there is none.
inline std::string ReadCell(const std::string& key, const std::string& column) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open("select * from routervariables where Config_Variable = '" + key + "'", conn);
  if (rs.EOF_()) return "<no row>";
  for (int pos = 0; pos < rs.FieldCount(); ++pos) {
    if (rs.FieldName(pos) == column) return rs.Field(pos).Text();
  }
  return "<no column>";
}

inline void WriteCell(const std::string& key, const std::string& column, const std::string& value) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.LockType = db::adLockOptimistic;
  rs.Open("select * from routervariables where Config_Variable = '" + key + "'", conn);
  rs.SetField(column, value);
  rs.Update();
}

}  // namespace rd::test
