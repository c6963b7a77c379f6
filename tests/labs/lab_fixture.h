// Test fixture of the guided labs: a fresh working folder with the shared lab fixture database
// (tests/scripts/labs/lab_fixture.sql) and any extra SQL a test adds, every window on a scripted
// runtime, and a way to open an exercise and to hand the engine a typed line as the lab console
// does.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "labs/form25.h"
#include "labs/lab_engine.h"
#include "labs/lab_windows.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "shell/form17.h"
#include "support/test_workdir.h"
#include "terminal/terminal_windows.h"

namespace rd::test {

class LabTest : public ::testing::Test {
 protected:
  // SQL run after the shared fixture.
  virtual std::vector<std::string> ExtraFixtures() const { return {}; }

  void SetUp() override {
    std::vector<std::string> fixtures{RD_SOURCE_DIR "/tests/scripts/labs/lab_fixture.sql"};
    for (const std::string& extra : ExtraFixtures()) fixtures.push_back(extra);
    work_.BuildDatabase(fixtures);
    std::ofstream("simulator-logo.gif", std::ios::binary) << "GIF89a";
    app_.g.gDsnName = TestWorkdir::kDsnName;
    app_.g.gDbPassword = TestWorkdir::kPassword;
    app_.AddWindow(std::make_unique<Form17>(app_));
    RegisterTerminalWindows(app_);
    RegisterLabWindows(app_);
  }

  Form25& lab() { return app_.Window<Form25>(); }

  // Opens the exercise named `name` as the main window's lab menu does, in a lab window loaded
  // afresh.
  void Open(const std::string& name) {
    app_.g.gSublabName = name;
    rt_.RunEvent([this] {
      lab().Unload();
      lab().Load();
      lab().Show();
    });
  }

  // Hands `line` to the engine as the lab console does at Enter, and shows the step change.
  void Enter(const std::string& line) {
    app_.g.gLabCommandLine = line;
    rt_.RunEvent([this] {
      db::Connection conn;
      conn.Open(TestWorkdir::ConnStr());
      lab().ShowStepChange(CheckLabCommand(app_, conn, SublabIndex()));
    });
  }

  // The index of the open exercise, read from the fixture by its name.
  LabKey SublabIndex() {
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    db::Recordset rs;
    rs.Open("select * from sublab", conn);
    for (; !rs.EOF_(); rs.MoveNext()) {
      if (rs.Field(1).Text() == app_.g.gSublabName) return rs.Field(0).Int16();
    }
    return std::nullopt;
  }

  // The texts of the message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (size_t i = seen_; i < svc_.shown.size(); ++i) texts.push_back(svc_.shown[i].text);
    seen_ = svc_.shown.size();
    return texts;
  }

  // The score the score window shows for the run as it stands.
  std::string Score() {
    rt_.Click(lab().Command4);
    return rt_.GetForm("Form28").FindControl("Label3")->DisplayText();
  }

  TestWorkdir work_;
  services::ScriptedServices svc_;
  forms::Runtime rt_{svc_};
  App app_{rt_};
  size_t seen_ = 0;
};

}  // namespace rd::test
