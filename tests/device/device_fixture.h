// A working folder with the three-router fixture database and an application object whose
// console drives R1.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "support/device_cells.h"
#include "support/test_workdir.h"

namespace rd::test {

class DeviceTest : public ::testing::Test {
 protected:
  DeviceTest() : runtime_(services_), app_(runtime_) {
    work_.BuildDatabase({RD_SOURCE_DIR "/tests/device/devices.sql"});
    app_.g.gDsnName = TestWorkdir::kDsnName;
    app_.g.gDbPassword = TestWorkdir::kPassword;
    app_.g.gHostName = "R1";
    app_.g.gDeviceColumn = "R1";
    app_.g.gCurrentInterface = "nill";
    app_.g.gPrompt = "#";
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
  services::ScriptedServices services_;
  forms::Runtime runtime_;
  App app_;
};

}  // namespace rd::test
