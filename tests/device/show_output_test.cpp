#include "device/show_output.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "device/startup_config.h"
#include "device_fixture.h"

namespace rd::test {
namespace {

class ShowOutputTest : public DeviceTest {
 protected:
  std::string Show(const std::string& cmd) {
    return ShowCommandOutput(conn_, device_, history_, cmd);
  }
  TemplateDevice device_{"R1", "61"};
  std::vector<std::string> history_;
};

TEST_F(ShowOutputTest, ReferencesAreFilledFromTheCurrentDevice) {
  WriteTemplate(
      "show interfaces\r\n"
      "Ethernet0 is $ethernet0_status , line protocol is $ethernet0_status\r\n"
      "  Internet address is $ethernet0_ip_address mask $ethernet0_dec_mask\r\n"
      "  Description: $ethernet0_description\r\n"
      "$ethernet0_description\r\n"
      "\r\n");
  EXPECT_EQ(Show("show interfaces"),
            "Ethernet0 is up , line protocol is up\r\n"
            "  Internet address is 10.0.0.1 mask 255.255.255.0\r\n"
            "  Description: nill\r\n");

  device_.column = "R2";
  EXPECT_NE(Show("show interfaces").find("10.0.0.2"), std::string::npos);
}

TEST_F(ShowOutputTest, BlocksAreChosenByExactHeadAndRepeatedHeadsAllPrint) {
  WriteTemplate(
      "show version\r\nfirst\r\n\r\n\r\n"
      "show clock\r\nshow version\r\n\r\n"
      "Show Version\r\nwrong case\r\n\r\n"
      "show version\r\nsecond\r\n\r\n");
  EXPECT_EQ(Show("show version"), "first\r\nsecond\r\n");
  EXPECT_EQ(Show("show clock"), "show version\r\n");
  EXPECT_EQ(Show("show flash"), "");
}

TEST_F(ShowOutputTest, UptimeEndsALineAndOtherwiseIsAnOrdinaryRow) {
  WriteTemplate(
      "show version\r\n"
      "R uptime is $uptime\r\n"
      "$HostName uptime is $uptime\r\n"
      "row: $uptime minutes\r\n"
      "\r\n");
  EXPECT_EQ(Show("show version"), "R uptime is 61\r\nR1 uptime is 61\r\nrow: row minutes\r\n");
}

TEST_F(ShowOutputTest, MultiLineValuesPrintOneLinePerStoredLine) {
  SetCell("startup-config", "R1", "\r\nhostname R1\r\n\r\n!\r\n");
  WriteTemplate("show startup-config\r\nUsing 10 bytes\r\n$startup-config\r\nend\r\n\r\n");
  EXPECT_EQ(Show("show startup-config"), "Using 10 bytes\r\nhostname R1\r\n!\r\nend\r\n");

  std::ifstream scratch(ShowScratchFile(), std::ios::binary);
  std::stringstream text;
  text << scratch.rdbuf();
  EXPECT_EQ(text.str(), "Using 10 bytes\r\n\r\nhostname R1\r\n\r\n!\r\n\r\nend\r\n\r\n\r\n");
}

TEST_F(ShowOutputTest, HistoryListsTheEntriesInsteadOfTheTemplate) {
  WriteTemplate("show history\r\nfrom the template\r\n\r\n");
  history_ = {"enable", "conf t", "show version"};
  EXPECT_EQ(Show("show history"), "enable\r\nconf t\r\nshow version\r\n");
}

TEST(RouterUptime, CountsMinutesSinceTheStartThroughMidnight) {
  const std::pair<services::Clock, std::string> cases[] = {
      {{11, 29}, "59"}, {{11, 30}, "60"}, {{11, 31}, "61"}, {{12, 45}, "135"}, {{10, 30}, "0"}};
  for (const auto& [clock, minutes] : cases) {
    EXPECT_EQ(GetRouterUptime(clock, 10, 30), minutes) << clock.hour << ":" << clock.minute;
  }
  EXPECT_EQ(GetRouterUptime({0, 10}, 23, 50), "20");
  EXPECT_EQ(GetRouterUptime({23, 49}, 23, 50), "1439");
}

TEST_F(ShowOutputTest, CopyStoresTheFilledRunningConfigAndShowPrintsIt) {
  WriteTemplate(
      "show running-config\r\n"
      "!\r\n"
      "hostname $HostName\r\n"
      "$ethernet0_description\r\n"
      "$ethernet0_ip_address\r\n"
      "\r\n"
      "show startup-config\r\n"
      "$startup-config\r\n"
      "\r\n");
  CopyRunningToStartup(conn_, device_);
  EXPECT_EQ(Cell("startup-config", "R1"), "\r\n!\r\nhostname R1\r\n10.0.0.1\r\n");
  EXPECT_EQ(Cell("startup-config", "R1save"), "nill");
  EXPECT_EQ(Cell("startup-config", "R2"), "nill");
  EXPECT_EQ(Show("show startup-config"), "!\r\nhostname R1\r\n10.0.0.1\r\n");

  EraseStartupConfig(conn_, "R1", "startup-config");
  EXPECT_EQ(Cell("startup-config", "R1"), "%% Non-volatile configuration memory is not present");
  EXPECT_EQ(Cell("startup-config", "R2"), "nill");
  EXPECT_EQ(Show("show startup-config"), "%% Non-volatile configuration memory is not present\r\n");
  EXPECT_THROW(EraseStartupConfig(conn_, "R1", "no_such_row"), db::DbError);
}

TEST_F(ShowOutputTest, CopyTakesTheLinesAfterTheFirstRunningConfigLineWhereverItStands) {
  // The show output reads "show running-config" here as an output line of "show help"; the
  // copy looks for the line itself and stops at the first empty line.
  WriteTemplate(
      "show help\r\n"
      "show running-config\r\n"
      "hostname $HostName\r\n"
      "\r\n"
      "show running-config\r\n"
      "block\r\n"
      "\r\n");
  EXPECT_EQ(Show("show running-config"), "block\r\n");
  CopyRunningToStartup(conn_, device_);
  EXPECT_EQ(Cell("startup-config", "R1"), "\r\nhostname R1\r\n");

  // A template without the line leaves the row alone.
  WriteTemplate("show version\r\nv\r\n\r\n");
  EXPECT_THROW(CopyRunningToStartup(conn_, device_), std::runtime_error);
  EXPECT_EQ(Cell("startup-config", "R1"), "\r\nhostname R1\r\n");
}

TEST_F(ShowOutputTest, MissingReferenceRowOrTemplateFailsLoudly) {
  WriteTemplate("show x\r\nvalue $no_such_row\r\n\r\n");
  EXPECT_THROW(Show("show x"), db::DbError);
  std::filesystem::remove(ShowScratchFile());
  std::filesystem::create_directory(ShowScratchFile());  // the scratch file cannot be written
  WriteTemplate("show x\r\nvalue\r\n\r\n");
  EXPECT_THROW(Show("show x"), std::runtime_error);
  std::filesystem::remove(ShowScratchFile());
  std::filesystem::remove("showcommands.txt");
  EXPECT_THROW(Show("show x"), std::runtime_error);
  EXPECT_THROW(CopyRunningToStartup(conn_, device_), std::runtime_error);
}

TEST_F(ShowOutputTest, TheScratchFileLivesInTheTemporaryFolderNotTheWorkingOne) {
  WriteTemplate("show x\r\nvalue\r\n\r\n");
  EXPECT_EQ(Show("show x"), "value\r\n");
  EXPECT_FALSE(std::filesystem::exists("test1.txt"));
  EXPECT_EQ(ShowScratchFile().parent_path(), std::filesystem::temp_directory_path());
}

}  // namespace
}  // namespace rd::test
