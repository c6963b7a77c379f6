// Reachability, ping, telnet and resume on the fixture network: R1 and R2 share the ethernet
// (10.0.0.1, 10.0.0.2), R2 and R3 the serial line (192.168.1.2, 192.168.1.3); R1's and R3's
// serial interfaces are shut down, R3's ethernet has no address.
#include "device/ping.h"
#include "device/reachability.h"
#include "device/telnet.h"
#include "device_fixture.h"

namespace rd::test {
namespace {

const std::string kUnreachableR3 = "Trying R3\r\n% Destination unreachable; gateway or host down";

class NetworkTest : public DeviceTest {
 protected:
  bool Reaches(const std::string& target) { return CheckReachability(app_, target).reachable; }
  void At(const std::string& device) {
    app_.g.gHostName = device;
    app_.g.gDeviceColumn = device;
  }
  void Type(const std::string& line) { app_.g.gCommandLine = line; }
};

TEST_F(NetworkTest, TargetsByNameAndAddressNeedTheirInterfaceUp) {
  const Reachability r2 = CheckReachability(app_, "R2");
  EXPECT_TRUE(r2.reachable);
  EXPECT_EQ(r2.column, "R2");
  EXPECT_EQ(r2.interfaceKey, "ethernet0_ip_address");
  EXPECT_EQ(CheckReachability(app_, "192.168.1.2").interfaceKey, "serial0_ip_address");
  EXPECT_TRUE(Reaches("R1"));
  EXPECT_TRUE(Reaches("10.0.0.1"));

  // R3's only address is on its shut serial interface.
  EXPECT_FALSE(Reaches("R3"));
  EXPECT_FALSE(Reaches("192.168.1.3"));
  SetCell("serial0_shutdown", "R3", "nill");
  EXPECT_TRUE(Reaches("R3"));

  // By name the first addressed interface counts; by address the interface that carries it.
  SetCell("ethernet0_shutdown", "R2", "shutdown");
  EXPECT_FALSE(Reaches("R2"));
  EXPECT_TRUE(Reaches("192.168.1.2"));

  // An address held twice: rows in stored order come before columns.
  SetCell("ethernet0_ip_address", "R3", "192.168.1.2");
  const Reachability twice = CheckReachability(app_, "192.168.1.2");
  EXPECT_EQ(twice.column, "R3");
  EXPECT_EQ(twice.interfaceKey, "ethernet0_ip_address");
}

TEST_F(NetworkTest, ValuesAreComparedExactly) {
  EXPECT_FALSE(Reaches("r2"));
  EXPECT_FALSE(Reaches("10.0.0.2 "));
  EXPECT_FALSE(Reaches("10.0.0"));
  SetCell("HostName", "R3", "r.3");
  SetCell("serial0_shutdown", "R3", "nill");
  EXPECT_FALSE(Reaches("r.3"));  // has a full stop: looked up as an address only
}

TEST_F(NetworkTest, OwnDeviceWithoutRoutingOrKnownNameReachesNothing) {
  SetCell("routing", "R1", "disable");
  EXPECT_FALSE(Reaches("R1"));
  EXPECT_FALSE(Reaches("R2"));
  SetCell("routing", "R1", "enable");
  app_.g.gHostName = "Nobody";
  EXPECT_FALSE(Reaches("R2"));
  // Two devices named alike: the lower working column is the own device.
  SetCell("HostName", "R3", "R1");
  app_.g.gHostName = "R1";
  EXPECT_TRUE(Reaches("R2"));
}

TEST_F(NetworkTest, PingGivesTheTranscriptOrTheFailureTextAndChangesNothing) {
  app_.g.gPrompt = ">";
  Type("ping R2");
  PingHost(app_);
  EXPECT_EQ(app_.g.gResponse,
            "\r\nType escape sequence to abort.\r\n"
            "Sending 5,100-byte ICMP Echos to  R2 ,\r\n"
            "Timeout is 2 seconds:\r\n"
            " !!!!! \r\n"
            "Success rate is 100 percent (5/5), round-trip min/avg/max = 6/6/6 ms");
  Type("ping R3");
  PingHost(app_);
  EXPECT_EQ(app_.g.gResponse, kUnreachableR3);
  EXPECT_EQ(app_.g.gPrompt, ">");
  EXPECT_EQ(app_.g.gDeviceColumn, "R1");
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "nill");
}

TEST_F(NetworkTest, TelnetSwitchesToTheTargetAndArmsItsVtyPassword) {
  app_.g.gPrompt = ">";
  Type("telnet 10.0.0.2");
  TelnetToHost(app_);
  const Module1& g = app_.g;
  EXPECT_EQ(g.gResponse, "Trying R1...Open\r\n\r\nUser Access Verification\r\n");
  EXPECT_EQ(g.gPrompt, ">");
  EXPECT_EQ(g.gSavedHostName, "R1");
  EXPECT_EQ(g.gSavedDeviceColumn, "R1");
  EXPECT_EQ(g.gHostName, "R2");
  EXPECT_EQ(g.gDeviceColumn, "R2");
  EXPECT_EQ(g.gVtyPassword, "cisco");
  EXPECT_EQ(g.gPasswordLength, 5);
  EXPECT_EQ(g.gPasswordPrompt, "password:");
  EXPECT_TRUE(g.gPasswordMode);
  EXPECT_EQ(g.gPwdChars.size(), 6u);
  EXPECT_TRUE(g.gTelnetLoginPending);
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "1");
}

TEST_F(NetworkTest, TelnetWithoutVtyPasswordLeavesTheLoginAlone) {
  At("R2");
  Type("telnet R1");
  TelnetToHost(app_);
  EXPECT_EQ(app_.g.gResponse, "Trying R2...Open\r\n\r\nUser Access Verification\r\n");
  EXPECT_EQ(app_.g.gHostName, "R1");
  EXPECT_EQ(app_.g.gVtyPassword, "nill");
  EXPECT_FALSE(app_.g.gPasswordMode);
  EXPECT_FALSE(app_.g.gTelnetLoginPending);
}

TEST_F(NetworkTest, FailedTelnetGivesPrivilegedPromptAndKeepsTheDevice) {
  app_.g.gPrompt = ">";
  Type("telnet R3");
  TelnetToHost(app_);
  EXPECT_EQ(app_.g.gResponse, kUnreachableR3);
  EXPECT_EQ(app_.g.gPrompt, "#");
  EXPECT_EQ(app_.g.gHostName, "R1");
  EXPECT_EQ(app_.g.gDeviceColumn, "R1");
  EXPECT_EQ(app_.g.gSavedDeviceColumn, "");
  EXPECT_FALSE(app_.g.gPasswordMode);
}

TEST_F(NetworkTest, TelnetOrResumeWithARowMissingLeavesTheConsoleAlone) {
  app_.g.gPrompt = ">";
  app_.g.gResponse = "nill";
  for (const char* key : {"telnetsession_id", "linevty_pass"}) {
    DropRow(key);
    Type("telnet R2");
    EXPECT_THROW(TelnetToHost(app_), db::DbError) << key;
    EXPECT_EQ(app_.g.gResponse, "nill");
    EXPECT_EQ(app_.g.gHostName, "R1");
    EXPECT_EQ(app_.g.gDeviceColumn, "R1");
    EXPECT_EQ(app_.g.gSavedDeviceColumn, "");
    EXPECT_FALSE(app_.g.gPasswordMode);
  }
  EXPECT_EQ(app_.g.gTelnetSessionCount, 0);
}

TEST_F(NetworkTest, SessionNumbersAreKeptPerDeviceAndResumeSwitchesBack) {
  Type("telnet R2");
  TelnetToHost(app_);
  At("R1");
  TelnetToHost(app_);
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "1");
  EXPECT_EQ(app_.g.gTelnetSessionCount, 1);

  Type("telnet R1");
  TelnetToHost(app_);  // from R2
  EXPECT_EQ(Cell("telnetsession_id", "R1"), "2");
  EXPECT_EQ(app_.g.gSavedDeviceColumn, "R2");

  app_.g.gPrompt = "(config)#";
  Type("resume 1");
  ResumeTelnetSession(app_);
  EXPECT_EQ(app_.g.gDeviceColumn, "R2");
  EXPECT_EQ(app_.g.gHostName, "R2");
  EXPECT_EQ(app_.g.gResponse, "nill");
  EXPECT_EQ(app_.g.gPrompt, ">");
  EXPECT_EQ(app_.g.gSavedDeviceColumn, "R2");
}

TEST_F(NetworkTest, ResumeWithAnUnknownNumberChangesNothing) {
  app_.g.gPrompt = "#";
  app_.g.gResponse = "null";
  Type("resume 7");
  ResumeTelnetSession(app_);
  EXPECT_EQ(app_.g.gDeviceColumn, "R1");
  EXPECT_EQ(app_.g.gPrompt, "#");
  EXPECT_EQ(app_.g.gResponse, "null");
  // Host names are searched too: a device whose host name is the typed text matches.
  Type("resume R3");
  ResumeTelnetSession(app_);
  EXPECT_EQ(app_.g.gDeviceColumn, "R3");

  // A session number found, but no host-name row to switch to: the console stays.
  SetCell("telnetsession_id", "R2", "1");
  DropRow("HostName");
  Type("resume 1");
  EXPECT_THROW(ResumeTelnetSession(app_), db::DbError);
  EXPECT_EQ(app_.g.gDeviceColumn, "R3");
  EXPECT_EQ(app_.g.gHostName, "R3");
}

}  // namespace
}  // namespace rd::test
