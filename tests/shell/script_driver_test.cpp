// The driver's script language: what each line prints, and that a bad line stops the script
// with its line number and a non-zero result.
#include "driver/script_driver.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/test_workdir.h"

namespace rd::driver {
namespace {

using rd::test::TestWorkdir;

struct Outcome {
  int result;
  std::string output;
};

class ScriptDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_.BuildDatabase(
        {"INSERT INTO labs VALUES (3, 'Access Lists');"
         "INSERT INTO sublab VALUES (2, 'Standard ACL', 'nill', 'nill', 'nill', "
         "'nill', 3);"});
  }

  static Outcome Run(const std::string& script) {
    std::ostringstream out;
    std::istringstream in(script);
    ScriptDriver driver(out);
    const int result = driver.Run(in);
    return {result, out.str()};
  }

  TestWorkdir work_;
};

TEST_F(ScriptDriverTest, ABadLineStopsTheScriptNamingItsLine) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"jump Form17 mnuexit", "unknown command 'jump'"},
      {"frobnicate", "unknown command 'frobnicate'"},
      {"show Form99 Text1", "no window 'Form99'"},
      {"show Form17 mnuaccess(x)", "bad index: 'x'"},
      {"show Form17 mnunone", "no control 'mnunone' on Form17"},
      {"show Form17", "show needs FORM CONTROL"},
      {"menu Form17 mnulabex Form17", "unexpected 'Form17' after mnulabex"},
      {"show Form17 mnulabex ", "unexpected '' after mnulabex"},
      {"answer maybe", "answer must be yes, no, ok or cancel"},
      {"file", "file needs a path or cancel"},
      {"clock 24:00", "bad time '24:00'"},
      {"clock 9", "clock needs HH:MM"},
      {"clock -1:30", "bad hour: '-1'"},
      {"tick -5", "bad seconds: '-5'"},
      {"tick  5", "bad seconds: ' 5'"},
      {"choose Form17 mnuexit x", "mnuexit is not a combo box"},
      {"dropdown Form17 mnuexit", "mnuexit is not a combo box"},
      {"keys Form17 mnuexit a", "mnuexit can't take the focus"},
      {"show Form25 Text1", "window 'Form25' is not loaded"},
      {"var gNothing", "unknown variable 'gNothing'"},
      {"var gDsnName gNothing", "unknown variable 'gNothing'"},
      {"var", "unknown variable ''"},
      {"focus Form17", "unexpected 'Form17' after focus"},
      {"hidden Form99", "no window 'Form99'"},
      {"hidden Form25", "window 'Form25' is not loaded"},
      {"table", "table needs the name of a table"},
      {"table labs; drop table labs", "table needs the name of a table"},
      {"table nosuch", "no such table: nosuch"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Run("# comment\n\nforms\n" + std::string(c.line) + "\nforms\n");
    EXPECT_EQ(outcome.result, 1) << c.line;
    const std::string expected = "Form17 [Router SImulator] visible\nscript error at line 4: ";
    EXPECT_EQ(outcome.output.substr(0, expected.size()), expected) << c.line;
    EXPECT_NE(outcome.output.find(c.message), std::string::npos) << outcome.output;
    EXPECT_EQ(outcome.output.find("visible", expected.size()), std::string::npos)
        << "nothing after the bad line runs: " << c.line;
  }
}

TEST_F(ScriptDriverTest, MalformedKeysAreAScriptErrorOfTheirLine) {
  for (const char* keys : {"ab{UP", "ab{NOKEY}", "ab+", "ab}"}) {
    work_.BuildDatabase({RD_SOURCE_DIR "/tests/scripts/terminal/terminal_fixture.sql"});
    std::filesystem::copy_file(RD_BINARY_DIR "/run/simulator-logo.gif", "simulator-logo.gif",
                               std::filesystem::copy_options::overwrite_existing);
    const Outcome outcome = Run(std::string("menu Form17 mnursim\nkeys Form2 Text1 ") + keys);
    EXPECT_EQ(outcome.result, 1) << keys;
    EXPECT_NE(outcome.output.find("script error at line 2: send keys:"), std::string::npos)
        << outcome.output;
  }
}

TEST_F(ScriptDriverTest, AfterTheLastWindowClosesOnlyVariablesAndTheFormListRemain) {
  const Outcome ended = Run(
      "focus\nmenu Form17 mnuexit\nforms\nfocus\nvar gDsnName gFromLab\nshow Form17 mnulabex\n");
  EXPECT_EQ(ended.result, 1);
  EXPECT_EQ(ended.output,
            "focus none\nfocus none\ngDsnName = cmds1\ngFromLab = false\n"
            "script error at line 6: the program has ended\n");
  EXPECT_EQ(Run("table sublab\n").output,
            "--- table sublab\n2|Standard ACL|nill|nill|nill|nill|3\n---\n");
}

TEST_F(ScriptDriverTest, AStartThatFailsExplainsItselfAndLeavesNoWindow) {
  work_.BuildDatabase({"DROP TABLE sublab;"});
  const Outcome outcome = Run("forms\n");
  EXPECT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.output.rfind("MSGBOX [Quillworks] routedrill cannot start: ", 0), 0u)
      << outcome.output;
  EXPECT_NE(outcome.output.find("no such table: sublab"), std::string::npos) << outcome.output;
  EXPECT_EQ(outcome.output.find("Form17 ["), std::string::npos) << outcome.output;
}

TEST_F(ScriptDriverTest, AWrongPasswordOrAMissingFileStopsTheStartWithItsReason) {
  db::CreateDatabase(TestWorkdir::kDatabaseName, {RD_SOURCE_DIR "/data/schema.sql"}, "other");
  db::CloseAllEngines();
  Outcome outcome = Run("forms\n");
  EXPECT_NE(outcome.output.find("cannot start: wrong password for database file"),
            std::string::npos)
      << outcome.output;

  std::filesystem::remove(TestWorkdir::kDatabaseName);
  outcome = Run("forms\n");
  EXPECT_NE(outcome.output.find("commandsbackup.mdb\" not found"), std::string::npos)
      << outcome.output;
  EXPECT_EQ(outcome.output.find("Form17 ["), std::string::npos) << outcome.output;
}

// The program's exit status for the arguments given, its output going to out.txt.
int RunDriverProgram(const std::string& arguments) {
  const std::string command =
      std::string(RD_BINARY_DIR "/bin/routedrill-driver ") + arguments + " >out.txt 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ScriptDriverTest, TheProgramRefusesAMissingScriptFolderOrArgument) {
  std::filesystem::create_directory("folder");
  std::ofstream("ok.script") << "forms\n";
  EXPECT_EQ(RunDriverProgram("--workdir . ok.script"), 0);
  EXPECT_EQ(RunDriverProgram("--workdir . absent.script"), 2);
  EXPECT_EQ(RunDriverProgram("--workdir . folder"), 2);
  EXPECT_EQ(RunDriverProgram("ok.script --workdir"), 2);
  EXPECT_EQ(RunDriverProgram("--workdir absent ok.script"), 2);
  std::ofstream("bad.script") << "forms\nnonsense\n";
  EXPECT_EQ(RunDriverProgram("--workdir . bad.script"), 1);
  std::ifstream out("out.txt");
  std::string last;
  for (std::string line; std::getline(out, line);) last = line;
  EXPECT_EQ(last, "script error at line 2: unknown command 'nonsense'");
}

}  // namespace
}  // namespace rd::driver
