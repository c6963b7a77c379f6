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
  ShowOutputTest() {
    app_.g.gStartHour = 10;
    app_.g.gStartMinute = 30;
    services_.clock = {11, 31};
  }
  std::string Show(const std::string& cmd) {
    app_.g.gShowOutput.clear();
    ShowCommandOutput(app_, cmd);
    return app_.g.gShowOutput;
  }
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
  EXPECT_TRUE(app_.g.gShowReady);
  EXPECT_FALSE(app_.g.gMorePending);

  app_.g.gDeviceColumn = "R2";
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
  EXPECT_TRUE(app_.g.gShowReady);
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

  std::ifstream scratch("test1.txt", std::ios::binary);
  std::stringstream text;
  text << scratch.rdbuf();
  EXPECT_EQ(text.str(), "Using 10 bytes\r\n\r\nhostname R1\r\n\r\n!\r\n\r\nend\r\n\r\n\r\n");
}

TEST_F(ShowOutputTest, TwentyFiveLinesArmTheMorePagerAndTwentyFourDoNot) {
  std::string block24 = "show a\r\n", block25 = "show b\r\n";
  for (int i = 0; i < 24; ++i) block24 += "line\r\n";
  for (int i = 0; i < 25; ++i) block25 += "line\r\n";
  WriteTemplate(block24 + "\r\n" + block25 + "\r\n");
  Show("show a");
  EXPECT_FALSE(app_.g.gMorePending);
  Show("show b");
  EXPECT_TRUE(app_.g.gMorePending);
}

TEST_F(ShowOutputTest, HistoryListsFilledSlotsAfterWhatTheBufferHeld) {
  app_.g.gHistory[1] = "enable";
  app_.g.gHistory[2] = "conf t";
  app_.g.gHistory[5] = "show version";
  app_.g.gShowOutput = "kept\r\n";
  ShowCommandOutput(app_, "show history");
  EXPECT_EQ(app_.g.gShowOutput, "kept\r\nenable\r\nconf t\r\nshow version\r\n");
  EXPECT_TRUE(app_.g.gShowReady);
}

TEST_F(ShowOutputTest, UptimeCountsMinutesSinceTheStartThroughMidnight) {
  const std::pair<services::Clock, std::string> cases[] = {
      {{11, 29}, "59"}, {{11, 30}, "60"}, {{11, 31}, "61"}, {{12, 45}, "135"}, {{10, 30}, "0"}};
  for (const auto& [clock, minutes] : cases) {
    services_.clock = clock;
    EXPECT_EQ(GetRouterUptime(app_), minutes) << clock.hour << ":" << clock.minute;
  }
  app_.g.gStartHour = 23;
  app_.g.gStartMinute = 50;
  services_.clock = {0, 10};
  EXPECT_EQ(GetRouterUptime(app_), "20");
  services_.clock = {23, 49};
  EXPECT_EQ(GetRouterUptime(app_), "1439");
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
  CopyRunningToStartup(app_);
  EXPECT_EQ(Cell("startup-config", "R1"), "\r\n!\r\nhostname R1\r\n10.0.0.1\r\n");
  EXPECT_EQ(Cell("startup-config", "R1save"), "nill");
  EXPECT_EQ(Cell("startup-config", "R2"), "nill");
  EXPECT_EQ(Show("show startup-config"), "!\r\nhostname R1\r\n10.0.0.1\r\n");

  app_.g.gResponse = "nill";
  EraseStartupConfig(app_, "startup-config");
  EXPECT_EQ(Cell("startup-config", "R1"), "%% Non-volatile configuration memory is not present");
  EXPECT_EQ(Cell("startup-config", "R2"), "nill");
  EXPECT_EQ(Show("show startup-config"), "%% Non-volatile configuration memory is not present\r\n");
  EXPECT_EQ(app_.g.gResponse, "nill");
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
  CopyRunningToStartup(app_);
  EXPECT_EQ(Cell("startup-config", "R1"), "\r\nhostname R1\r\n");

  // A template without the line leaves the row alone.
  WriteTemplate("show version\r\nv\r\n\r\n");
  EXPECT_THROW(CopyRunningToStartup(app_), std::runtime_error);
  EXPECT_EQ(Cell("startup-config", "R1"), "\r\nhostname R1\r\n");
}

TEST_F(ShowOutputTest, MissingReferenceRowOrTemplateFailsLoudly) {
  WriteTemplate("show x\r\nvalue $no_such_row\r\n\r\n");
  EXPECT_THROW(Show("show x"), db::DbError);
  std::filesystem::remove("test1.txt");
  std::filesystem::create_directory("test1.txt");  // the scratch file cannot be written
  WriteTemplate("show x\r\nvalue\r\n\r\n");
  EXPECT_THROW(Show("show x"), std::runtime_error);
  std::filesystem::remove("test1.txt");
  std::filesystem::remove("showcommands.txt");
  EXPECT_THROW(Show("show x"), std::runtime_error);
  EXPECT_THROW(CopyRunningToStartup(app_), std::runtime_error);
}

}  // namespace
}  // namespace rd::test
