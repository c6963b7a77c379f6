// The acceptance engine as the lab console drives it: which typed lines count, how the steps
// advance, what is printed, and the score at the end.
#include <fstream>

#include "lab_fixture.h"
#include "labs/form27.h"
#include "support/device_cells.h"

namespace rd::test {
namespace {

using EngineTest = LabTest;

TEST_F(EngineTest, OnlyTheStepsCommandOnItsDeviceAndPromptCountsUntilTheScoreIsTen) {
  Open("Router basics");
  Module1& g = app_.g;
  EXPECT_TRUE(Messages().empty());
  // The right command at the wrong prompt, with a trailing blank, on another device.
  for (const char* line : {"configure terminal", "enable ", ""}) {
    Enter(line);
    EXPECT_FALSE(g.gLabCmdMatched) << line;
  }
  g.gCurDevice = "R2";
  Enter("enable");
  EXPECT_FALSE(g.gLabCmdMatched);
  EXPECT_EQ(g.gLabPrompt, ">");
  EXPECT_EQ(g.gCmdsRemaining, 5);
  g.gCurDevice = "R1";
  // Letter case does not matter; a command entered again counts once and keeps the step.
  for (const char* line : {"ENABLE", "enable"}) {
    g.gLabPrompt = ">";
    Enter(line);
    EXPECT_TRUE(g.gLabCmdMatched);
    EXPECT_TRUE(g.gLabNoResponse);
    EXPECT_EQ(g.gLabPrompt, "#");
    EXPECT_EQ(g.gCmdsRemaining, 4);
    EXPECT_EQ(g.gCurInstruction, 1);
  }
  // The step's second command completes it: the next step is on R2.
  Enter("configure terminal");
  EXPECT_FALSE(g.gLabNoResponse);
  EXPECT_EQ(g.gLabResponse, "Enter configuration commands.");
  EXPECT_EQ(g.gLabPrompt, "(config)#");
  EXPECT_EQ(g.gCurInstruction, 2);
  EXPECT_EQ(g.gInstrDone, 1);
  EXPECT_EQ(lab().Text3.Text(), "    > Configure");
  EXPECT_EQ(g.gInstrDevice, "R2");
  EXPECT_EQ(g.gDevicePrompt, "(config)#");
  EXPECT_FALSE(g.gDevicePromptSaved);
  EXPECT_EQ(g.gCurDevice, "R1");
  Enter("hostname Core");
  EXPECT_FALSE(g.gLabCmdMatched);
  g.gCurDevice = "R2";
  Enter("hostname Core");
  EXPECT_EQ(g.gLabHostName, "Core");
  EXPECT_TRUE(g.gLabNoResponse);
  EXPECT_EQ(g.gCurInstruction, 3);
  g.gCurDevice = "R1";
  g.gLabPrompt = "#";
  Enter("copy running-config startup-config");
  EXPECT_EQ(g.gLabResponse, "[OK]");
  EXPECT_FALSE(g.gLabDone);
  // The last step is on S1, whose "Null" prompt is the empty one.
  EXPECT_EQ(g.gDevicePrompt, "");
  g.gCurDevice = "S1";
  g.gLabPrompt = "";
  Enter("k");
  EXPECT_TRUE(g.gLabDone);
  EXPECT_EQ(g.gCmdsRemaining, 0);
  EXPECT_EQ(g.gInstrDone, 4);
  EXPECT_EQ(g.gCurInstruction, 4);
  // Done stays done: the last step's command still matches and counts nothing more.
  g.gLabPrompt = "";
  Enter("k");
  EXPECT_TRUE(g.gLabDone);
  EXPECT_EQ(g.gInstrDone, 4);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Score(), " 10");
}

TEST_F(EngineTest, EachLookAtTheAnswersCostsAPoint) {
  Open("Router basics");
  for (int i = 0; i < 2; ++i) {
    rt_.Click(lab().Command2);
    rt_.Click(*rt_.GetForm("Form26").FindControl("Command1"));
  }
  app_.g.gLabPrompt = ">";
  Enter("enable");
  Enter("configure terminal");
  app_.g.gCurDevice = "R2";
  Enter("hostname Core");
  app_.g.gCurDevice = "R1";
  app_.g.gLabPrompt = "#";
  Enter("copy running-config startup-config");
  EXPECT_EQ(app_.g.gInstrDone, 3);
  EXPECT_EQ(Score(), " 2.5");
}

TEST_F(EngineTest, StepsWithoutCommandsAreSkippedWithOneMessageEach) {
  Open("Gaps");
  EXPECT_TRUE(Messages().empty());
  Enter("enable");
  EXPECT_EQ(Messages(), std::vector<std::string>(2, "No Commands under the next Instruction"));
  EXPECT_EQ(app_.g.gCurInstruction, 4);
  EXPECT_EQ(app_.g.gInstrDone, 3);
  EXPECT_EQ(lab().Text3.Text(), "    > Leave");
  Enter("disable");
  EXPECT_TRUE(app_.g.gLabDone);
  EXPECT_EQ(Score(), " 10");
}

// The lab console has a prompt, a line and a response of its own: the simulator's are neither
// read nor written by the lab's load, its engine or its diagram.
TEST_F(EngineTest, TheSimulatorsConsoleIsNeitherReadNorWritten) {
  Module1& g = app_.g;
  g.gHostName = "SIM";
  g.gPrompt = "(config-if)#";
  g.gCommandLine = "enable";
  g.gResponse = "nill";
  Open("Router basics");
  EXPECT_EQ(g.gLabHostName, "R1");
  EXPECT_EQ(g.gLabPrompt, ">");
  Enter("enable");
  Enter("configure terminal");
  EXPECT_EQ(g.gLabResponse, "Enter configuration commands.");
  rt_.Click(lab().Command1);
  rt_.DropDownAndChoose(app_.Window<Form27>().Combo1, "R2");
  rt_.Click(app_.Window<Form27>().Command1);
  Enter("hostname Core");
  EXPECT_TRUE(g.gLabCmdMatched);
  EXPECT_EQ(g.gLabHostName, "Core");
  EXPECT_EQ(g.gLabPrompt, "(config)#");
  EXPECT_EQ(g.gHostName, "SIM");
  EXPECT_EQ(g.gPrompt, "(config-if)#");
  EXPECT_EQ(g.gCommandLine, "enable");
  EXPECT_EQ(g.gResponse, "nill");
}

// Every row is tested against the state the rows before it left.
TEST_F(EngineTest, OneEnterCanCompleteAStepAndTheNextThatExpectsTheSameAgain) {
  Open("Twice");
  Enter("enable");
  EXPECT_EQ(app_.g.gLabResponse, "already there");
  EXPECT_EQ(app_.g.gLabPrompt, "#");
  EXPECT_TRUE(app_.g.gLabDone);
  EXPECT_EQ(app_.g.gInstrDone, 2);
}

// Show output is built for the device that the console drives, from its working column, and
// leaves the terminal's device and pager alone; a device without a column of its own prints
// only a stored response. A first word that is not exactly "show" builds no output.
TEST_F(EngineTest, ShowOutputIsTheConsolesDevicesOwn) {
  std::ofstream("showcommands.txt", std::ios::binary)
      << "show access-lists\r\nDevice: $HostName\r\n\r\n";
  WriteCell("HostName", "R2", "Edge");
  Module1& g = app_.g;
  Open("Show");
  g.gCurDevice = "R2";
  g.gDeviceColumn = "R1";
  g.gShowOutput = "a page of the terminal";
  g.gMorePending = true;
  g.gShowReady = false;
  Enter("SHOW ACCESS-LISTS");
  EXPECT_TRUE(g.gLabCmdMatched);
  EXPECT_TRUE(g.gLabNoResponse);
  Open("Show");
  g.gCurDevice = "R2";
  Enter("show access-lists");
  EXPECT_FALSE(g.gLabNoResponse);
  EXPECT_EQ(g.gLabResponse, "Device: Edge\r\n");
  EXPECT_EQ(g.gDeviceColumn, "R1");
  EXPECT_EQ(g.gShowOutput, "a page of the terminal");
  EXPECT_TRUE(g.gMorePending);
  EXPECT_FALSE(g.gShowReady);
  g.gCurDevice = "WS11";
  g.gLabResponse = "earlier";
  Enter("show access-lists");
  EXPECT_TRUE(g.gLabCmdMatched);
  EXPECT_TRUE(g.gLabNoResponse);
  EXPECT_EQ(g.gLabResponse, "earlier");
  Enter("show more");
  EXPECT_FALSE(g.gLabNoResponse);
  EXPECT_EQ(g.gLabResponse, "as stored");
}

// A show output that cannot be built (here: no template) is named in a message box; the
// expected command still counts, and it prints nothing.
TEST_F(EngineTest, AShowOutputThatFailsIsReportedAndTheCommandStillCounts) {
  Module1& g = app_.g;
  Open("Show");
  g.gCurDevice = "R2";
  const int16_t remaining = g.gCmdsRemaining;
  const size_t shownBefore = svc_.shown.size();
  Enter("show access-lists");
  EXPECT_TRUE(g.gLabCmdMatched);
  EXPECT_TRUE(g.gLabNoResponse);
  EXPECT_EQ(g.gCmdsRemaining, remaining - 1);
  ASSERT_EQ(svc_.shown.size(), shownBefore + 1);
  EXPECT_NE(svc_.shown.back().text.find("showcommands.txt"), std::string::npos);
}

}  // namespace
}  // namespace rd::test
