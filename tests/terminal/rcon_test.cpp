#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "terminal_fixture.h"

namespace rd::test {
namespace {

class RconTest : public TerminalTest {
 protected:
  std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Save() {
    svc_.fileAnswers.push_back((work_.path() / "out.rcon").string());
    rt_.ChooseMenu(terminal().mnusave);
    return FileText(work_.path() / "out.rcon");
  }
  void Load(const std::string& content) {
    std::ofstream(work_.path() / "in.rcon", std::ios::binary) << content;
    svc_.fileAnswers.push_back((work_.path() / "in.rcon").string());
    rt_.ChooseMenu(terminal().mnuop);
  }
  // The fixture's row keys in table order.
  static constexpr int kRows = 17;
};

TEST_F(RconTest, SaveWritesOneBlockPerDeviceWithOneLinePerRow) {
  const std::string file = Save();
  EXPECT_EQ(file.find("<R1>\r\nHostName:R1\r\nenable_password:nill\r\n"), 0u);
  EXPECT_NE(file.find("\r\n<R2>\r\nHostName:R2\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n<R3>\r\nHostName:R3\r\n"), std::string::npos);
  size_t lines = 0;
  for (size_t pos = file.find("\r\n"); pos != std::string::npos; pos = file.find("\r\n", pos + 2))
    ++lines;
  EXPECT_EQ(lines, 3u * (kRows + 1));
  EXPECT_EQ(file.substr(file.size() - 21), "startup-config:nill\r\n");
  const auto& dialog = svc_.shown.back();
  EXPECT_EQ(dialog.kind, "FILE");
}

TEST_F(RconTest, RoundTripRestoresEveryWorkingValueIncludingMultiLineOnes) {
  SetVar("startup-config", "R2", "hostname R2\r\ninterface e0\r\n ip address 1.2.3.4 C:\\n");
  SetVar("HostName", "R1", "Core:1");
  const std::string file = Save();
  EXPECT_NE(file.find("startup-config:hostname R2\\r\\ninterface e0\\r\\n ip address 1.2.3.4 "
                      "C:\\\\n\r\n"),
            std::string::npos);
  SetVar("startup-config", "R2", "nill");
  SetVar("HostName", "R1", "changed");
  SetVar("linevty_pass", "R3", "changed");
  Load(file);
  EXPECT_EQ(Var("startup-config", "R2"),
            "hostname R2\r\ninterface e0\r\n ip address 1.2.3.4 C:\\n");
  EXPECT_EQ(Var("HostName", "R1"), "Core:1");
  EXPECT_EQ(Var("linevty_pass", "R3"), "nill");
  EXPECT_EQ(Var("HostName", "R1save"), "R1");  // saved columns are never touched
}

TEST_F(RconTest, ReaderMatchesByPositionOnly) {
  // Keys in another order and a short first block: the second block goes on from the row where
  // the first stopped; a line without ":" is a value as a whole; "<" in a value starts a block.
  Load("<anything>\r\nlinevty_pass:first\r\nHostName:sec:ond\r\nnokey\r\n<R2>\r\nx:two\r\n");
  EXPECT_EQ(Var("HostName", "R1"), "first");
  EXPECT_EQ(Var("enable_password", "R1"), "sec:ond");
  EXPECT_EQ(Var("secret_password", "R1"), "nokey");
  EXPECT_EQ(Var("lineconsole_pass", "R2"), "two");
  EXPECT_EQ(Var("HostName", "R2"), "R2");

  // A long block wraps round to the first row; a value with "<" is taken as a header.
  std::string wrap = "<R1>\r\n";
  for (int i = 0; i <= kRows; ++i) wrap += "k:v" + std::to_string(i) + "\r\n";
  wrap += "k:a<b\r\nk:after\r\n";
  Load(wrap);
  EXPECT_EQ(Var("HostName", "R1"), "v17");
  EXPECT_EQ(Var("enable_password", "R1"), "v1");
  // The line after that "header" fills R2 at the row where the cursor stands.
  EXPECT_EQ(Var("enable_password", "R2"), "after");
}

TEST_F(RconTest, MoreBlocksThanDevicesStopAtTheFirstExtraHeader) {
  Load("<a>\r\nk:1\r\n<b>\r\nk:2\r\n<c>\r\nk:3\r\n<d>\r\nk:4\r\n");
  // Each block has one line, so each device gets its value one row further down.
  EXPECT_EQ(Var("HostName", "R1"), "1");
  EXPECT_EQ(Var("enable_password", "R2"), "2");
  EXPECT_EQ(Var("secret_password", "R3"), "3");
  EXPECT_EQ(Var("HostName", "R3"), "R3");
}

// Both dialogs open in the zozedudovav folder under the user's home, created when missing;
// saving asks before overwriting, opening takes only a file that exists.
TEST_F(RconTest, DialogsFilterRconFilesFromTheFolderUnderHome) {
  const std::filesystem::path home = work_.path() / "home";
  const char* oldHome = std::getenv("HOME");
  const std::string saved = oldHome != nullptr ? oldHome : "";
  setenv("HOME", home.c_str(), 1);
  rt_.ChooseMenu(terminal().mnusave);
  const services::FileDialogRequest save = svc_.lastFileRequest;
  rt_.ChooseMenu(terminal().mnuop);
  const services::FileDialogRequest open = svc_.lastFileRequest;
  if (oldHome != nullptr) {
    setenv("HOME", saved.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  EXPECT_TRUE(std::filesystem::is_directory(home / "zozedudovav"));
  for (const services::FileDialogRequest* request : {&save, &open}) {
    EXPECT_EQ(request->filter, "rconfig(*.rcon)|*.rcon");
    EXPECT_EQ(request->initDir, (home / "zozedudovav").string());
  }
  EXPECT_TRUE(save.save);
  EXPECT_FALSE(save.fileMustExist);
  EXPECT_FALSE(open.save);
  EXPECT_TRUE(open.fileMustExist);
}

TEST_F(RconTest, CancelledDialogsAndUnreadableFilesChangeNothing) {
  rt_.ChooseMenu(terminal().mnusave);
  rt_.ChooseMenu(terminal().mnuop);
  EXPECT_FALSE(std::filesystem::exists(work_.path() / "out.rcon"));
  svc_.fileAnswers.push_back((work_.path() / "missing" / "x.rcon").string());
  rt_.ChooseMenu(terminal().mnuop);
  EXPECT_EQ(svc_.shown.back().kind, "MSGBOX");
  EXPECT_NE(svc_.shown.back().text.find("cannot be read"), std::string::npos);
  svc_.fileAnswers.push_back((work_.path() / "missing" / "x.rcon").string());
  rt_.ChooseMenu(terminal().mnusave);
  EXPECT_NE(svc_.shown.back().text.find("cannot be created"), std::string::npos);
  EXPECT_EQ(Var("HostName", "R1"), "R1");
}

// The devices and rows of the shipped content.
class ShippedRconTest : public RconTest {
 protected:
  std::vector<std::string> Fixtures() const override {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(RD_SOURCE_DIR "/data/content")) {
      if (entry.path().extension() == ".sql") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
  }
};

TEST_F(ShippedRconTest, SaveGivesOneBlockPerDeviceInColumnOrderWithOneLinePerRow) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open("select * from routervariables", conn);
  std::string expected;
  for (int c = 2; c < rs.FieldCount(); c += 2) {
    expected += "<" + rs.FieldName(c) + ">\r\n";
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
      expected += rs.Field(0).Text() + ":" + rs.Field(c).Text() + "\r\n";
    }
  }
  ASSERT_GE(rs.FieldCount(), 5);
  EXPECT_EQ(Save(), expected);
}

}  // namespace
}  // namespace rd::test
