// Every expected lab command is a complete command of the simulator: replayed exercise by
// exercise on a fresh network, each on its step's device at its prompt, the interpreter finds
// it, unambiguous and complete, and leaves the prompt the exercise expects.
#include "content/shipped_content.h"
#include "interpreter/run_router_command.h"
#include "platform/services/services.h"
#include "shell/module1.h"
#include "support/command_verdict.h"

namespace rd::test {
namespace {

class LabCommands : public ShippedContent {
 protected:
  // Copies every saved column over its working column, as the terminal does when it opens.
  void ResetDevices() {
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    std::string sets;
    for (const auto& [column, host] : Devices()) {
      sets += (sets.empty() ? "" : ", ") + column + " = " + column + "save";
    }
    db::Recordset rs;
    rs.Open("UPDATE routervariables SET " + sets, conn);
  }

  std::string Verdict() const { return CommandVerdict(g); }

  Module1 g;
};

TEST_F(LabCommands, AreCompleteCommandsOfTheSimulatorAtTheirPrompt) {
  std::map<int, Row> steps;
  for (const Row& r : Rows("SELECT * FROM instructions")) steps[std::stoi(r[0])] = r;

  std::string lab, device;
  int replayed = 0;
  for (const Row& c : Rows("SELECT * FROM comrestble")) {
    const Row& step = steps.at(std::stoi(c[6]));
    if (step[2] != lab || step[5] != device) g.gCurrentInterface = "nill";
    if (step[2] != lab) ResetDevices();
    lab = step[2];
    device = step[5];

    g.gDeviceColumn = device;
    g.gHostName = device;
    g.gPrompt = c[3] == "Null" ? "" : c[3];
    g.gCommandLine = c[1];
    g.gResponse = "nill";
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    const interp::LineResult line = RunRouterCommand(conn, g, services::Clock{10, 0});
    interp::ApplyLineResult(line, g);
    ++replayed;

    const std::string where = "exercise " + lab + " step " + step[0] + ": " + c[1] + " at " + c[3];
    EXPECT_EQ(Verdict(), "ran") << where;
    const bool session = c[1].rfind("telnet ", 0) == 0 || c[1].rfind("resume ", 0) == 0;
    if (!session) {
      EXPECT_EQ(g.gPrompt, c[4]) << where;
    }
    EXPECT_NE(line.config.result, ConfigResult::AddressInUse) << where;
  }
  EXPECT_GE(replayed, 200);
}

}  // namespace
}  // namespace rd::test
