// Test fixture of the interpreter: a fresh working folder with the small tree of tree.sql and
// three devices, and an application object on a scripted runtime.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "interpreter/run_router_command.h"
#include "platform/db/db.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "support/command_verdict.h"
#include "support/device_cells.h"
#include "support/test_workdir.h"

namespace rd::test {

class InterpreterTest : public ::testing::Test {
 protected:
  void SetUp() override { Build(); }

  // Rebuilds the database from the tree plus `extraSql` and puts the console at R1 in `prompt`.
  void Build(const std::string& extraSql = "") {
    std::vector<std::string> fixtures{RD_SOURCE_DIR "/tests/interpreter/tree.sql"};
    if (!extraSql.empty()) fixtures.push_back(extraSql);
    work_.BuildDatabase(fixtures);
    std::ofstream("showcommands.txt", std::ios::binary)
        << "show interfaces\r\nEthernet0 is $ethernet0_ip_address\r\n\r\n"
        << "show interfaces ethernet 0\r\nEthernet0 alone\r\n\r\n"
        << "show running-config\r\nhostname\r\n$HostName\r\n\r\n";
    g.gDsnName = TestWorkdir::kDsnName;
    g.gDbPassword = TestWorkdir::kPassword;
    g.gDeviceColumn = "R1";
    g.gHostName = "R1";
    g.gPrompt = ">";
    g.gCurrentInterface = "nill";
    g.gResponse = "before";
  }

  // Enter on `line` in mode `prompt`: the line is read and what it did published, as the
  // console does.
  void Enter(const std::string& prompt, const std::string& line) {
    g.gPrompt = prompt;
    g.gCommandLine = line;
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    last_ = RunRouterCommand(conn, g, svc_.clock);
    interp::ApplyLineResult(last_, g);
  }

  std::string Verdict() const { return CommandVerdict(g); }

  // The value of routervariables row `key` in `column`.
  std::string Var(const std::string& key, const std::string& column = "R1") {
    return ReadCell(key, column);
  }

  TestWorkdir work_;
  interp::LineResult last_;
  services::ScriptedServices svc_;
  forms::Runtime rt_{svc_};
  App app_{rt_};
  Module1& g = app_.g;
};

}  // namespace rd::test
