#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/unprivileged.h"
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

// Every cell of the device table, row by row, for checks that nothing was written.
std::vector<std::string> AllCells() {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open("select * from routervariables", conn);
  std::vector<std::string> cells;
  for (; !rs.EOF_(); rs.MoveNext()) {
    for (int pos = 0; pos < rs.FieldCount(); ++pos) cells.push_back(rs.Field(pos).Text());
  }
  return cells;
}

// Runs SQL that changes the layout of the test database.
void RunSql(const std::string& sql) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open(sql, conn);
}

// "<" and ":" in values and keys survive a round trip, also as a value's last character: the
// saved lines hold "<" only in the device headers, so no value is taken for a header and no
// later value lands in another device.
TEST_F(RconTest, ReservedCharactersInValuesAndKeysRoundTrip) {
  RunSql("INSERT INTO routervariables VALUES ('odd:key<', 'a', 'a', 'b', 'b', 'c', 'c')");
  SetVar("HostName", "R1", "a<b");
  SetVar("enable_password", "R1", "<x>:y\\");
  SetVar("odd:key<", "R2", "v<2");
  SetVar("secret_password", "R3", "ends<");
  SetVar("lineconsole_pass", "R3", "ends:");
  const std::vector<std::string> before = AllCells();
  const std::string file = Save();
  std::istringstream lines(file);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("<")) continue;
    EXPECT_EQ(line.find('<'), std::string::npos) << line;
  }
  EXPECT_NE(file.find("\r\nHostName:a\\x3Cb\r\n"), std::string::npos);
  for (const char* column : {"R1", "R2", "R3"}) {
    for (const char* key :
         {"HostName", "enable_password", "odd:key<", "secret_password", "lineconsole_pass"}) {
      SetVar(key, column, "x");
    }
  }
  Load(file);
  EXPECT_EQ(AllCells(), before);
}

// A file of another kind, a binary file, text that is not UTF-8 and an empty file are refused
// with a message that names them; nothing is written. Hand-made files with a byte order mark
// and bare line feeds load.
TEST_F(RconTest, OpenRefusesFilesThatAreNotConfigurationFiles) {
  const std::vector<std::string> before = AllCells();
  const std::string path = (work_.path() / "in.rcon").string();
  for (const std::string& content : {
           std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00<R1>\r\nHostName:x\r\n", 31),
           std::string("hostname Edge\r\n<R1>\r\nHostName:x\r\n"),
           std::string("<!DOCTYPE html>\r\n<html>\r\n"),
           std::string("<R1>\r\nHostName:caf\xE9\r\n"),
           std::string(""),
       }) {
    SCOPED_TRACE(content);
    Load(content);
    ASSERT_FALSE(svc_.shown.empty());
    EXPECT_EQ(svc_.shown.back().kind, "MSGBOX");
    EXPECT_NE(svc_.shown.back().text.find("The file " + path + " is not a configuration file"),
              std::string::npos)
        << svc_.shown.back().text;
    EXPECT_EQ(AllCells(), before);
  }
  svc_.shown.clear();
  Load(
      "\xEF\xBB\xBF<R1>\nHostName:\xC3\x89"
      "dge\nenable_password:caf\xC3\xA9\n");
  EXPECT_TRUE(svc_.shown.back().kind == "FILE") << svc_.shown.back().text;
  EXPECT_EQ(Var("HostName", "R1"),
            "\xC3\x89"
            "dge");
  EXPECT_EQ(Var("enable_password", "R1"), "caf\xC3\xA9");
}

// The old file stays whole until the new one is complete: a failing read of the database
// leaves it as it was, and no temporary file is left behind. The database itself, reached
// by name or through a link, is refused as a target; an existing file keeps its permissions.
TEST_F(RconTest, SaveReplacesTheTargetOnlyWhenTheNewFileIsComplete) {
  const std::filesystem::path target = work_.path() / "out.rcon";
  std::ofstream(target, std::ios::binary) << "old";
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  RunSql("ALTER TABLE routervariables RENAME TO gone");
  Save();
  RunSql("ALTER TABLE gone RENAME TO routervariables");
  EXPECT_EQ(svc_.shown.back().kind, "MSGBOX");
  EXPECT_EQ(FileText(target), "old");
  EXPECT_NE(Save(), "old");
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));

  const std::filesystem::path database = work_.path() / TestWorkdir::kDatabaseName;
  std::filesystem::create_symlink(database, work_.path() / "link.rcon");
  const auto size = std::filesystem::file_size(database);
  for (const std::filesystem::path& path : {database, work_.path() / "link.rcon"}) {
    svc_.fileAnswers.push_back(path.string());
    rt_.ChooseMenu(terminal().mnusave);
    EXPECT_EQ(svc_.shown.back().text, "The file " + path.string() +
                                          " is the program's database. The configuration was "
                                          "not saved; choose another file.");
  }
  EXPECT_EQ(std::filesystem::file_size(database), size);
  EXPECT_EQ(Var("HostName", "R1"), "R1");
  for (const auto& entry : std::filesystem::directory_iterator(work_.path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
  }
}

// A file the user may not write is left alone, even though the folder would take a new one.
TEST_F(RconTest, SaveLeavesAReadOnlyTargetAlone) {
  const std::filesystem::path target = work_.path() / "locked.rcon";
  std::ofstream(target, std::ios::binary) << "old";
  std::filesystem::permissions(target, std::filesystem::perms(0444));
  std::filesystem::permissions(work_.path(), std::filesystem::perms(0777));
  const std::string outcome = AsUnprivilegedUser(work_.path(), [&]() -> std::string {
    svc_.fileAnswers.push_back(target.string());
    rt_.ChooseMenu(terminal().mnusave);
    return svc_.shown.back().text;
  });
  EXPECT_EQ(outcome,
            "The file " + target.string() + " is read-only. The configuration was not saved.");
  EXPECT_EQ(FileText(target), "old");
}

// A name typed without an extension gets ".rcon", as the save dialog completes it.
TEST_F(RconTest, SaveDialogCompletesANameWithoutExtension) {
  svc_.fileAnswers.push_back((work_.path() / "mycfg").string());
  rt_.ChooseMenu(terminal().mnusave);
  EXPECT_EQ(svc_.lastFileRequest.defaultExt, "rcon");
  EXPECT_FALSE(std::filesystem::exists(work_.path() / "mycfg"));
  EXPECT_EQ(FileText(work_.path() / "mycfg.rcon").find("<R1>\r\nHostName:R1\r\n"), 0u);
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
