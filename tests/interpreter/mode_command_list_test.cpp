// "?" on an empty line: the mode's enabled first words, and the hand-off of a long list to the
// pager.
#include "interpreter/mode_command_list.h"

#include "help_fixture.h"

namespace rd::test {
namespace {

constexpr const char* kHeading = "list of supported Commands in this mode:";

class ModeCommandListTest : public HelpTest {
 protected:
  std::string List(const std::string& prompt, const std::string& screen) {
    return Screen(prompt, screen, [&] { ListModeCommands(app_); });
  }
  // A mode "(test)#" with `rows` enabled first words w01, w02, ... with help texts h01, ...
  void BuildTestMode(int rows) {
    std::string sql;
    for (int i = 1; i <= rows; ++i) {
      const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
      sql +=
          "INSERT INTO tblsublabcmds (\"index\", commandprompt, command, nextprompt, "
          "cmdenabled, morewords, cmdresponse, commanddesc) VALUES (" +
          std::to_string(1000 + i) + ", '(test)#', 'w" + n + "', '(test)#', 1, 0, 'nill', 'h" + n +
          "');\n";
    }
    Build(sql);
  }
  static std::string Row(const std::string& n) { return "w" + n + std::string(34, ' ') + "h" + n; }
};

TEST_F(ModeCommandListTest, ListsTheEnabledFirstWordsOfTheModeWithTwoBlanksPerCharacter) {
  EXPECT_EQ(List(">", "R1>"), std::string("R1>") + kHeading + "\r\nenable" + std::string(28, ' ') +
                                  "Turn on privileged commands"
                                  "\r\nshow" +
                                  std::string(32, ' ') +
                                  "Show running system information"
                                  "\r\nping" +
                                  std::string(32, ' ') +
                                  "Send echo messages"
                                  "\r\nlock" +
                                  std::string(32, ' ') +
                                  "Lock the terminal"
                                  "\r\ntelnet" +
                                  std::string(28, ' ') +
                                  "Open a telnet connection"
                                  "\r\nresume" +
                                  std::string(28, ' ') +
                                  "Resume an active network connection"
                                  "\r\nR1>");
  EXPECT_EQ(console_->keyCodes, std::vector<int16_t>{forms::vbKeyUp});
  EXPECT_TRUE(g.gSyntheticUp);
  EXPECT_TRUE(g.gEscapeRedraw);
  EXPECT_FALSE(g.gMorePending);
  EXPECT_EQ(g.gShowOutput, "");
}

TEST_F(ModeCommandListTest, RedrawnScreenGetsOneMoreLineBreak) {
  g.gScreenRedrawn = true;
  EXPECT_EQ(List("(config-line)#", "R1(config-line)#"),
            std::string("R1(config-line)#\r\n") + kHeading + "\r\npassword" + std::string(24, ' ') +
                "Set a password\r\nend" + std::string(34, ' ') +
                "Exit from configure mode\r\nR1(config-line)#");
  EXPECT_FALSE(g.gScreenRedrawn);
}

TEST_F(ModeCommandListTest, ModeIsComparedExactlyAndLongKeywordsGetNoBlanks) {
  Build(
      "INSERT INTO tblsublabcmds (\"index\", commandprompt, command, cmdenabled, commanddesc) "
      "VALUES (900, '(CONFIG-LINE)#', 'other', 1, 'other case'), "
      "(901, '(config-line)#', 'a-keyword-of-twenty-', 1, 'long'), "
      "(902, '(config-line)#', 'unset', NULL, 'empty enabled flag'), "
      "(903, '(config-line)#', 'nohelp', 1, NULL);");
  EXPECT_EQ(List("(config-line)#", ""),
            std::string(kHeading) + "\r\npassword" + std::string(24, ' ') +
                "Set a password\r\nend" + std::string(34, ' ') +
                "Exit from configure mode\r\na-keyword-of-twenty-long\r\nnohelp" +
                std::string(28, ' ') + "\r\nR1(config-line)#");
}

TEST_F(ModeCommandListTest, ModeWithoutEnabledWordsGivesTheHeadingAlone) {
  EXPECT_EQ(List("(nowhere)#", "R1(nowhere)#"),
            std::string("R1(nowhere)#") + kHeading + "\r\nR1(nowhere)#");
}

TEST_F(ModeCommandListTest, TwentyFourRowsAreShownWhole) {
  BuildTestMode(24);
  const std::string screen = List("(test)#", "R1(test)#");
  EXPECT_FALSE(g.gMorePending);
  EXPECT_EQ(screen.find("--MORE--"), std::string::npos);
  EXPECT_NE(screen.find(Row("24") + "\r\nR1(test)#"), std::string::npos);
}

TEST_F(ModeCommandListTest, TwentyFiveRowsArePagedAfterTheFirst24) {
  BuildTestMode(25);
  std::string page = std::string("R1(test)#") + kHeading + "\r\n";
  for (int i = 1; i <= 24; ++i) page += Row((i < 10 ? "0" : "") + std::to_string(i)) + "\r\n";
  EXPECT_EQ(List("(test)#", "R1(test)#"), page + "--MORE--\r\nR1(test)#");
  EXPECT_TRUE(g.gMorePending);
  ASSERT_EQ(g.gMoreLines.size(), 26u);
  EXPECT_EQ(g.gMoreLines.front(), kHeading);
  EXPECT_EQ(g.gMoreLines.back(), Row("25"));
  EXPECT_EQ(g.gShowOutput, "");
}

TEST_F(ModeCommandListTest, SixtyRowsKeepEveryLineForThePager) {
  BuildTestMode(60);
  List("(test)#", "");
  EXPECT_TRUE(g.gMorePending);
  ASSERT_EQ(g.gMoreLines.size(), 61u);
  EXPECT_EQ(g.gMoreLines[60], Row("60"));
}

}  // namespace
}  // namespace rd::test
