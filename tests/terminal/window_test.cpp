#include <filesystem>
#include <fstream>

#include "console/transcript.h"
#include "terminal/form1.h"
#include "terminal/form33.h"
#include "terminal_fixture.h"

namespace rd::test {
namespace {

// The tail helpers must give what splitting the whole transcript gives.
TEST(ConsoleTextTest, TailHelpersAgreeWithTheFullSplit) {
  for (const std::string text : {"", "abc", "a\r\n", "\r\n\r\n", "a\r\nb", "a\r\nb\r\n",
                                 "x\r\ny\r\n\r\nz\r\n", "\r", "a\r\r\nb\n\r\n"}) {
    const std::vector<std::string> lines = forms::SplitCrLfLines(text);
    const int n = static_cast<int>(lines.size());
    for (int k = 0; k <= n + 1; ++k) {
      SCOPED_TRACE("text [" + text + "] k " + std::to_string(k));
      EXPECT_EQ(console::LineFromEnd(text, k), k < n ? lines[n - 1 - k] : "");
      std::string kept;
      for (int i = 0; i < n - k; ++i) kept += (i ? "\r\n" : "") + lines[i];
      if (k > 0) {
        EXPECT_EQ(console::WithoutLastLines(text, k), kept);
      }
    }
  }
}

using TerminalWindowTest = TerminalTest;

TEST_F(TerminalWindowTest, LoadResetsWorkingStateAndTheHistory) {
  SetVar("HostName", "R1", "changed");
  Type("~enable~");
  rt_.Click(terminal().Command4);  // Home
  EXPECT_FALSE(terminal().IsLoaded());
  EXPECT_TRUE(rt_.GetForm("Form17").Visible());
  rt_.RunEvent([this] { rt_.GetForm("Form2").Show(); });
  EXPECT_EQ(Var("HostName", "R1"), "R1");
  EXPECT_EQ(app_.g.gHostName, "R1");
  EXPECT_EQ(app_.g.gHistory[1], "");
  EXPECT_EQ(Screen(), "press enter to begin");
}

TEST_F(TerminalWindowTest, ExitFromALabVisitClearsTheFlagWithoutTheMainWindow) {
  app_.g.gFromLab = true;
  rt_.ChooseMenu(terminal().mnuexit);
  EXPECT_FALSE(app_.g.gFromLab);
  EXPECT_FALSE(rt_.GetForm("Form17").IsLoaded());
}

TEST_F(TerminalWindowTest, DoubleClickDropsTheTrailingBreakOnlyWhereBackspaceMayErase) {
  Type("~enable~sh");
  rt_.RunEvent([this] { terminal().Text1.DblClick(); });
  EXPECT_EQ(Screen(), "press enter to begin\nR1>enable\nR1#sh");
  EXPECT_EQ(CaretFromEnd(), 0);
  Type("ow history~");
  // On a bare prompt the guard blocks the Backspace: nothing is erased.
  rt_.RunEvent([this] { terminal().Text1.DblClick(); });
  EXPECT_EQ(Screen().substr(Screen().size() - 5), "\nR1#\n");
}

TEST_F(TerminalWindowTest, DiagramSetsTheTerminalAsideUntilItCloses) {
  rt_.Click(terminal().Command3);
  EXPECT_FALSE(terminal().Visible());
  rt_.Click(*rt_.GetForm("Form1").FindControl("Command1"));
  EXPECT_TRUE(terminal().Visible());
  EXPECT_EQ(rt_.Focused(), &terminal().Text1);
  rt_.Click(terminal().Command3);
  rt_.GetForm("Form1").Unload();  // the close box
  EXPECT_TRUE(terminal().Visible());
  EXPECT_EQ(rt_.Focused(), &terminal().Text1);
}

// The page is looked up below the program's own folder, never below the working folder. The
// build may or may not have put the page there yet: either the browser shows it or a message
// names it; the window opens in both cases.
TEST_F(TerminalWindowTest, SupportedCommandsPageComesFromTheProgramFolder) {
  std::filesystem::create_directories("help/html");
  std::ofstream("help/html/commands.html") << "<html>working folder</html>";
  const std::string page =
      (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "help/html/commands.html")
          .string();
  const size_t shownBefore = svc_.shown.size();
  rt_.Click(terminal().Command1);
  Form33& commands = rt_.Get<Form33>("Form33");
  EXPECT_TRUE(commands.Visible());
  EXPECT_FALSE(terminal().Visible());
  if (std::filesystem::exists(page)) {
    EXPECT_EQ(commands.WebBrowser1.LocationURL(), page);
    EXPECT_EQ(svc_.shown.size(), shownBefore);
  } else {
    EXPECT_EQ(commands.WebBrowser1.LocationURL(), "");
    ASSERT_EQ(svc_.shown.size(), shownBefore + 1);
    EXPECT_EQ(svc_.shown.back().text, "The page " + page + " cannot be found.");
  }
  rt_.Click(commands.Command1);
  EXPECT_FALSE(commands.IsLoaded());
  EXPECT_TRUE(terminal().Visible());
  EXPECT_EQ(rt_.Focused(), &terminal().Text1);
  rt_.Click(terminal().Command1);
  commands.Unload();  // the close box
  EXPECT_TRUE(terminal().Visible());
  EXPECT_EQ(rt_.Focused(), &terminal().Text1);
}

// A companion that cannot open must not leave the terminal hidden with no window on screen.
TEST_F(TerminalWindowTest, CompanionThatFailsToOpenGivesTheTerminalBack) {
  // The diagram cannot list the devices without their host names.
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open(
      "UPDATE routervariables SET Config_Variable = 'Renamed' WHERE Config_Variable = "
      "'HostName'",
      conn);
  const size_t shownBefore = svc_.shown.size();
  rt_.Click(terminal().Command3);
  ASSERT_GT(svc_.shown.size(), shownBefore);
  EXPECT_NE(svc_.shown.back().text.find("HostName"), std::string::npos);
  EXPECT_TRUE(terminal().Visible());
  EXPECT_EQ(rt_.Focused(), &terminal().Text1);
  EXPECT_FALSE(rt_.GetForm("Form1").IsLoaded());
  rs.Open(
      "UPDATE routervariables SET Config_Variable = 'HostName' WHERE Config_Variable = "
      "'Renamed'",
      conn);
  rt_.Click(terminal().Command3);
  EXPECT_TRUE(rt_.GetForm("Form1").Visible());
  EXPECT_FALSE(terminal().Visible());
}

TEST_F(TerminalWindowTest, AMissingLogoIsReportedAndTheWindowsOpenAllTheSame) {
  std::filesystem::remove("simulator-logo.gif");
  for (forms::CommandButton* button : {&terminal().Command3, &terminal().Command1}) {
    const size_t shownBefore = svc_.shown.size();
    rt_.Click(*button);
    ASSERT_GT(svc_.shown.size(), shownBefore);
    EXPECT_NE(svc_.shown.back().text.find("simulator-logo.gif"), std::string::npos);
    EXPECT_FALSE(terminal().Visible());
    terminal().GiveBack();
  }
  EXPECT_TRUE(rt_.GetForm("Form1").IsLoaded());
  EXPECT_TRUE(rt_.GetForm("Form33").IsLoaded());
  EXPECT_EQ(rt_.Get<Form1>("Form1").Picture1.Picture, "");
}

TEST_F(TerminalWindowTest, EscapeWithoutATelnetSessionChangesNothing) {
  Type("~^+6x~");
  EXPECT_EQ(app_.g.gHostName, "R1");
  EXPECT_EQ(app_.g.gDeviceColumn, "R1");
  EXPECT_EQ(Screen(), "press enter to begin\nR1>x\nCommand Not Found\nR1>\n");
}

TEST_F(TerminalWindowTest, DownPastTheNewestOfTenCommandsShowsAnEmptyLine) {
  Type("~");
  for (int i = 1; i <= 11; ++i) Type("c" + std::to_string(i) + "~");
  EXPECT_EQ(app_.g.gHistory[1], "c2");
  EXPECT_EQ(app_.g.gHistory[10], "c11");
  for (int i = 0; i < 11; ++i) Type("{DOWN}");
  EXPECT_EQ(Screen().substr(Screen().size() - 5), "\nR1>\n");
  Type("{DOWN}");
  EXPECT_EQ(Screen().substr(Screen().size() - 5), "\nR1>\n");
}

}  // namespace
}  // namespace rd::test
