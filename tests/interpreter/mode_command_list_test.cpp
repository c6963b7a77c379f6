// "?" on an empty line: the mode's enabled first words with their help texts.
#include "interpreter/mode_command_list.h"

#include "interpreter_fixture.h"

namespace rd::test {
namespace {

constexpr const char* kHeading = "list of supported Commands in this mode:";

class ModeCommandListTest : public InterpreterTest {
 protected:
  std::string List(const std::string& prompt) {
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    return ListModeCommands(conn, prompt);
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
  EXPECT_EQ(List(">"), std::string(kHeading) + "\r\nenable" + std::string(28, ' ') +
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
                           std::string(28, ' ') + "Resume an active network connection");
}

TEST_F(ModeCommandListTest, ModeIsComparedExactlyAndLongKeywordsGetNoBlanks) {
  Build(
      "INSERT INTO tblsublabcmds (\"index\", commandprompt, command, cmdenabled, commanddesc) "
      "VALUES (900, '(CONFIG-LINE)#', 'other', 1, 'other case'), "
      "(901, '(config-line)#', 'a-keyword-of-twenty-', 1, 'long'), "
      "(902, '(config-line)#', 'unset', NULL, 'empty enabled flag'), "
      "(903, '(config-line)#', 'nohelp', 1, NULL);");
  EXPECT_EQ(List("(config-line)#"), std::string(kHeading) + "\r\npassword" + std::string(24, ' ') +
                                        "Set a password\r\nend" + std::string(34, ' ') +
                                        "Exit from configure mode\r\na-keyword-of-twenty-long\r\n"
                                        "nohelp" +
                                        std::string(28, ' '));
}

TEST_F(ModeCommandListTest, ModeWithoutEnabledWordsGivesTheHeadingAlone) {
  EXPECT_EQ(List("(nowhere)#"), kHeading);
}

TEST_F(ModeCommandListTest, EveryRowIsListedInTableOrder) {
  BuildTestMode(60);
  std::string list = kHeading;
  for (int i = 1; i <= 60; ++i) list += "\r\n" + Row((i < 10 ? "0" : "") + std::to_string(i));
  EXPECT_EQ(List("(test)#"), list);
}

}  // namespace
}  // namespace rd::test
