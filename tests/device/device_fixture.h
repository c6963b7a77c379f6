// A working folder with the three-router fixture database and a connection to it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/db/db.h"
#include "support/device_cells.h"
#include "support/test_workdir.h"

namespace rd::test {

class DeviceTest : public ::testing::Test {
 protected:
  DeviceTest() {
    work_.BuildDatabase({RD_SOURCE_DIR "/tests/device/devices.sql"});
    conn_.Open(TestWorkdir::ConnStr());
  }

  // The cell of row `key` in column `column`, read straight from the database.
  std::string Cell(const std::string& key, const std::string& column) {
    return ReadCell(key, column);
  }

  void SetCell(const std::string& key, const std::string& column, const std::string& value) {
    WriteCell(key, column, value);
  }

  // Removes the row `key` from the table, as content that lacks it would.
  void DropRow(const std::string& key) {
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    db::Recordset rs;
    rs.Open("delete from routervariables where Config_Variable = '" + key + "'", conn);
  }

  // Writes the show template into the working folder (lines joined with CR LF).
  static void WriteTemplate(const std::string& text) {
    std::ofstream("showcommands.txt", std::ios::binary) << text;
  }

  TestWorkdir work_;
  db::Connection conn_;
};

}  // namespace rd::test
