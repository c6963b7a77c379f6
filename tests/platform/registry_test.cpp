// Registry store: values keep type, exact data and first-write order; names ignore case; the
// store file survives any bytes and lives where ROUTEDRILL_CONFIG_DIR says.
#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_workdir.h"

namespace rd::registry {
namespace {

using rd::test::TestWorkdir;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

long SetString(HKEY key, const std::string& name, const std::string& text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const uint8_t*>(text.data()),
                        static_cast<uint32_t>(text.size()));
}

long SetDword(HKEY key, const std::string& name, uint32_t number) {
  uint8_t data[4] = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                     static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
  return RegSetValueExA(key, name, 0, REG_DWORD, data, 4);
}

std::string StoreText() {
  std::ifstream in(std::filesystem::path(ConfigDir()) / "registry.txt", std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class RegistryTest : public ::testing::Test {
 protected:
  TestWorkdir work_;
};

TEST_F(RegistryTest, ValuesKeepTypeLengthAndOrder) {
  HKEY key = 0;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "SOFTWARE\\ODBC\\ODBC.INI\\cmds1", &key),
            ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, "DBQ", "commandsbackup.mdb"), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(key, "DriverID", 25), ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, "PWD", ""), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

  auto values = ReadKey("SOFTWARE\\ODBC\\ODBC.INI\\cmds1");
  ASSERT_TRUE(values);
  ASSERT_EQ(values->size(), 3u);
  EXPECT_EQ((*values)[0].name, "DBQ");
  EXPECT_EQ((*values)[0].type, REG_SZ);
  EXPECT_EQ((*values)[0].data, Bytes("commandsbackup.mdb"));
  EXPECT_EQ((*values)[1].name, "DriverID");
  EXPECT_EQ((*values)[1].type, REG_DWORD);
  EXPECT_EQ((*values)[1].data, (std::vector<uint8_t>{25, 0, 0, 0}));
  EXPECT_EQ((*values)[2].type, REG_SZ);
  EXPECT_TRUE((*values)[2].data.empty());
  EXPECT_EQ(ReadString("SOFTWARE\\ODBC\\ODBC.INI\\cmds1", "DBQ"), "commandsbackup.mdb");
  EXPECT_EQ(ReadString("SOFTWARE\\ODBC\\ODBC.INI\\cmds1", "DriverID"), std::nullopt);
}

TEST_F(RegistryTest, RewriteKeepsPlaceAndFirstSpellingAndIgnoresCase) {
  HKEY key = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Quill\\Settings", &key);
  SetString(key, "First", "1");
  SetString(key, "Second", "2");
  SetString(key, "Third", "3");
  RegCloseKey(key);

  HKEY again = 0;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "SOFTWARE\\quill\\SETTINGS", &again), ERROR_SUCCESS);
  SetString(again, "SECOND", "two, longer");
  SetDword(again, "first", 7);
  RegCloseKey(again);

  auto values = ReadKey("software\\QUILL\\settings");
  ASSERT_TRUE(values);
  ASSERT_EQ(values->size(), 3u);
  EXPECT_EQ((*values)[0].name, "First");
  EXPECT_EQ((*values)[0].type, REG_DWORD);
  EXPECT_EQ((*values)[1].name, "Second");
  EXPECT_EQ((*values)[1].data, Bytes("two, longer"));
  EXPECT_EQ((*values)[2].name, "Third");
  EXPECT_EQ(ReadString("Software\\Quill\\Settings", "second"), "two, longer");
}

TEST_F(RegistryTest, KeysNestUnderOpenHandlesAndParentsExist) {
  HKEY dsn = 0;
  HKEY jet = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, "SOFTWARE\\ODBC\\ODBC.INI\\cmds1", &dsn);
  ASSERT_EQ(RegCreateKeyA(dsn, "Engines\\Jet", &jet), ERROR_SUCCESS);
  SetString(jet, "UserCommitSync", "Yes");
  RegCloseKey(jet);
  RegCloseKey(dsn);

  EXPECT_EQ(ReadString("SOFTWARE\\ODBC\\ODBC.INI\\cmds1\\Engines\\Jet", "UserCommitSync"), "Yes");
  auto parent = ReadKey("SOFTWARE\\ODBC\\ODBC.INI\\cmds1\\Engines");
  ASSERT_TRUE(parent);
  EXPECT_TRUE(parent->empty());
  EXPECT_FALSE(ReadKey("SOFTWARE\\ODBC\\ODBC.INI\\cmds2"));
}

TEST_F(RegistryTest, BadHandlesAndArgumentsAreRefused) {
  HKEY key = 0;
  EXPECT_EQ(RegCreateKeyA(12345, "X", &key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(SetString(12345, "A", "b"), ERROR_INVALID_HANDLE);
  RegCreateKeyA(HKEY_CURRENT_USER, "X", &key);
  EXPECT_EQ(RegSetValueExA(key, "A", 0, REG_SZ, nullptr, 3), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(SetString(key, "A", "b"), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, AnyBytesSurviveTheStoreFileOneLineEach) {
  const std::string nasty("a\0b\r\n\"%41[]\\\x7f\xff=#", 17);
  HKEY key = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, "Odd [key] %", &key);
  SetString(key, "name \"with\"\nbreak", nasty);
  SetString(key, "plain", "x");
  RegCloseKey(key);

  auto values = ReadKey("odd [KEY] %");
  ASSERT_TRUE(values);
  ASSERT_EQ(values->size(), 2u);
  EXPECT_EQ((*values)[0].name, "name \"with\"\nbreak");
  EXPECT_EQ((*values)[0].data, Bytes(nasty));
  EXPECT_EQ((*values)[1].data, Bytes("x"));
  std::string text = StoreText();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);  // header, key, two values
}

TEST_F(RegistryTest, ABatchWritesItsChangesOnceWhenItEnds) {
  {
    Batch batch;
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Batch\\Inner", &key), ERROR_SUCCESS);
    SetString(key, "a", "1");
    {
      Batch nested;  // the outer batch writes
      SetDword(key, "b", 2);
    }
    EXPECT_EQ(StoreText(), "");            // nothing written yet
    ASSERT_TRUE(ReadKey("Batch\\Inner"));  // but read back from the batch
    EXPECT_EQ(ReadKey("Batch\\Inner")->size(), 2u);
    RegCloseKey(key);
    EXPECT_TRUE(batch.Commit());
    EXPECT_NE(StoreText().find("\"b\" 4 \"%02%00%00%00\""), std::string::npos);
  }
  // A store changed behind the cache's back is read afresh.
  const std::string before = StoreText();
  std::ofstream(std::filesystem::path(ConfigDir()) / "registry.txt", std::ios::binary)
      << "[Other]\n\"c\" 1 \"3\"\n";
  EXPECT_FALSE(ReadKey("Batch\\Inner"));
  EXPECT_EQ(ReadString("Other", "c"), "3");
}

TEST_F(RegistryTest, DamagedLinesAreSkipped) {
  HKEY key = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, "K", &key);
  SetString(key, "good", "yes");
  RegCloseKey(key);
  std::ofstream(std::filesystem::path(ConfigDir()) / "registry.txt", std::ios::app)
      << "\"broken 1 \"x\"\n\"nodata\" 1\ngarbage\n\"late\" 4 \"%01%00%00%00\"\n";
  auto values = ReadKey("K");
  ASSERT_TRUE(values);
  ASSERT_EQ(values->size(), 2u);
  EXPECT_EQ((*values)[0].name, "good");
  EXPECT_EQ((*values)[1].name, "late");
  EXPECT_EQ((*values)[1].data, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(RegistryTest, ConfigFolderFollowsTheEnvironmentAndLeavesNoTemporaries) {
  EXPECT_EQ(ConfigDir(), work_.ConfigDir());
  HKEY key = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, "K", &key);
  SetString(key, "v", "1");
  RegCloseKey(key);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(work_.ConfigDir())) {
    files.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(files, std::vector<std::string>{"registry.txt"});

  std::string other = (work_.path() / "other").string();
  setenv("ROUTEDRILL_CONFIG_DIR", other.c_str(), 1);
  EXPECT_EQ(ConfigDir(), other);
  EXPECT_FALSE(ReadKey("K"));
  unsetenv("ROUTEDRILL_CONFIG_DIR");
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  std::optional<std::string> savedXdg = oldXdg ? std::optional<std::string>(oldXdg) : std::nullopt;
  std::string xdg = (work_.path() / "xdg").string();
  setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  EXPECT_EQ(ConfigDir(), xdg + "/routedrill");
  EXPECT_TRUE(std::filesystem::is_directory(xdg + "/routedrill"));
  if (savedXdg) {
    setenv("XDG_CONFIG_HOME", savedXdg->c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace rd::registry
