#include "shell/register_data_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_host.h"
#include "platform/registry/registry.h"
#include "platform/services/services.h"
#include "support/test_workdir.h"

namespace rd {
namespace {

using registry::REG_DWORD;
using registry::REG_SZ;
using registry::StoredValue;

struct Expected {
  std::string name;
  uint32_t type;
  std::vector<uint8_t> data;
};

std::vector<uint8_t> Text(const std::string& s) { return {s.begin(), s.end()}; }
std::vector<uint8_t> Dword(uint32_t n) {
  return {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
          static_cast<uint8_t>(n >> 24)};
}

void ExpectKey(const std::string& path, const std::vector<Expected>& expected) {
  const auto values = registry::ReadKey(path);
  ASSERT_TRUE(values.has_value()) << path;
  ASSERT_EQ(values->size(), expected.size()) << path;
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((*values)[i].name, expected[i].name) << path << " #" << i;
    EXPECT_EQ((*values)[i].type, expected[i].type) << expected[i].name;
    EXPECT_EQ((*values)[i].data, expected[i].data) << expected[i].name;
  }
}

void ExpectRegistration() {
  ExpectKey("SOFTWARE\\ODBC\\ODBC.INI\\cmds1",
            {{"DBQ", REG_SZ, Text("commandsbackup.mdb")},
             {"Description", REG_SZ, Text("<Desired Description>")},
             {"Driver", REG_SZ, Text("C:\\windows\\System\\odbcjt32.dll")},
             {"DriverID", REG_DWORD, Dword(25)},
             {"FIL", REG_SZ, Text("MS Access")},
             {"PWD", REG_SZ, {}},
             {"SafeTransactions", REG_DWORD, Dword(0)},
             {"UID", REG_SZ, Text("admin")}});
  ExpectKey("SOFTWARE\\ODBC\\ODBC.INI\\cmds1\\Engines\\Jet",
            {{"ImplicitCommitSync", REG_SZ, {}},
             {"MaxBufferSize", REG_DWORD, Dword(2048)},
             {"PageTimeout", REG_DWORD, Dword(5)},
             {"Threads", REG_DWORD, Dword(3)},
             {"UserCommitSync", REG_SZ, Text("Yes")}});
  ExpectKey("SOFTWARE\\ODBC\\ODBC.INI\\ODBC Data Sources",
            {{"cmds1", REG_SZ, Text("MIcrosoft Access Driver (*.mdb)")}});
}

TEST(RegisterDataSource, WritesTheFourteenValuesInOrderWithTypesAndLengths) {
  test::TestWorkdir w;
  RegisterDataSource("cmds1");
  ExpectRegistration();
}

TEST(RegisterDataSource, RepeatedRegistrationOverwritesWithoutDuplicates) {
  test::TestWorkdir w;
  RegisterDataSource("cmds1");
  const uint8_t other[] = {'x'};
  registry::HKEY key = 0;
  registry::RegCreateKeyA(registry::HKEY_CURRENT_USER, "SOFTWARE\\ODBC\\ODBC.INI\\cmds1", &key);
  registry::RegSetValueExA(key, "DBQ", 0, REG_SZ, other, 1);
  registry::RegCloseKey(key);
  RegisterDataSource("cmds1");
  ExpectRegistration();
}

TEST(MainWindowLoad, RegistersTheDataSourceAtEveryLoad) {
  test::TestWorkdir w;
  w.BuildDatabase({"INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');"});
  services::ScriptedServices services;
  auto host = MakeApp(services);
  ASSERT_TRUE(host->Start());
  ExpectRegistration();
  EXPECT_EQ(host->app().g.gDsnName, "cmds1");
  EXPECT_EQ(host->app().g.gDbPassword, "Qorva47");

  const uint8_t other[] = {'x'};
  registry::HKEY key = 0;
  registry::RegCreateKeyA(registry::HKEY_CURRENT_USER,
                          "SOFTWARE\\ODBC\\ODBC.INI\\cmds1\\Engines\\Jet", &key);
  registry::RegSetValueExA(key, "UserCommitSync", 0, REG_SZ, other, 1);
  registry::RegCloseKey(key);
  forms::Form& main = host->ui().GetForm("Form17");
  host->ui().RunEvent([&main] {
    main.Unload();
    main.Show();
  });
  ExpectRegistration();
  EXPECT_TRUE(services.shown.empty());
}

TEST(MainWindowLoad, MissingDatabaseExplainsItselfAndLeavesNoWindow) {
  test::TestWorkdir w;
  services::ScriptedServices services;
  auto host = MakeApp(services);
  EXPECT_FALSE(host->Start());
  ASSERT_EQ(services.shown.size(), 1u);
  EXPECT_EQ(services.shown[0].title, "Quillworks");
  EXPECT_NE(services.shown[0].text.find("commandsbackup.mdb"), std::string::npos)
      << services.shown[0].text;
  EXPECT_FALSE(host->ui().AnyLoaded());
}

}  // namespace
}  // namespace rd
