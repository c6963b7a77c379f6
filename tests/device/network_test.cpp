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
const std::string kOpenedFromR1 = "Trying R1...Open\r\n\r\nUser Access Verification\r\n";

class NetworkTest : public DeviceTest {
 protected:
  Reachability From(const std::string& own, const std::string& target) {
    return CheckReachability(conn_, own, target);
  }
  bool Reaches(const std::string& target) { return From(own_, target).reachable; }
  TelnetResult Telnet(const std::string& from, const std::string& target, int16_t last = 0) {
    return TelnetToHost(conn_, {from, from}, last, target);
  }
  std::string own_ = "R1";
};

TEST_F(NetworkTest, TargetsByNameAndAddressNeedTheirInterfaceUp) {
  const Reachability r2 = From("R1", "R2");
  EXPECT_TRUE(r2.reachable);
  EXPECT_EQ(r2.column, "R2");
  EXPECT_EQ(r2.interfaceKey, "ethernet0_ip_address");
  EXPECT_EQ(From("R1", "192.168.1.2").interfaceKey, "serial0_ip_address");
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
  const Reachability twice = From("R1", "192.168.1.2");
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
  EXPECT_FALSE(From("Nobody", "R2").reachable);
  // Two devices named alike: the lower working column is the own device.
  SetCell("HostName", "R3", "R1");
  EXPECT_TRUE(Reaches("R2"));
}

TEST_F(NetworkTest, PingGivesTheTranscriptOrTheFailureTextAndChangesNothing) {
  EXPECT_EQ(PingHost(conn_, "R1", "R2"),
            "\r\nType escape sequence to abort.\r\n"
            "Sending 5,100-byte ICMP Echos to  R2 ,\r\n"
            "Timeout is 2 seconds:\r\n"
            " !!!!! \r\n"
            "Success rate is 100 percent (5/5), round-trip min/avg/max = 6/6/6 ms");
  EXPECT_EQ(PingHost(conn_, "R1", "R3"), kUnreachableR3);
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "nill");
}

TEST_F(NetworkTest, TelnetReachesTheTargetWithItsVtyPasswordAndSessionNumber) {
  const TelnetResult r2 = Telnet("R1", "10.0.0.2");
  EXPECT_EQ(r2.response, kOpenedFromR1);
  ASSERT_TRUE(r2.target);
  EXPECT_EQ(r2.target->hostName, "R2");
  EXPECT_EQ(r2.target->column, "R2");
  EXPECT_EQ(r2.vtyPassword, "vault");
  EXPECT_EQ(r2.sessionNumber, 1);
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "1");

  // Without a vty password there is nothing to ask.
  const TelnetResult r1 = Telnet("R2", "R1");
  EXPECT_EQ(r1.response, "Trying R2...Open\r\n\r\nUser Access Verification\r\n");
  EXPECT_EQ(r1.target->hostName, "R1");
  EXPECT_EQ(r1.vtyPassword, "nill");
}

TEST_F(NetworkTest, FailedTelnetSwitchesNothing) {
  const TelnetResult r3 = Telnet("R1", "R3");
  EXPECT_EQ(r3.response, kUnreachableR3);
  EXPECT_FALSE(r3.target);
  EXPECT_FALSE(r3.sessionNumber);
  EXPECT_EQ(Cell("telnetsession_id", "R3"), "nill");
}

TEST_F(NetworkTest, TelnetWithARowMissingWritesNothing) {
  DropRow("linevty_pass");
  EXPECT_THROW(Telnet("R1", "R2"), db::DbError);
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "nill");
  DropRow("telnetsession_id");
  EXPECT_THROW(Telnet("R1", "R2"), db::DbError);
}

TEST_F(NetworkTest, SessionNumbersAreKeptPerDeviceAndResumeSwitchesBack) {
  EXPECT_EQ(Telnet("R1", "R2", 0).sessionNumber, 1);
  EXPECT_FALSE(Telnet("R1", "R2", 1).sessionNumber);  // R2 keeps its number
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "1");
  EXPECT_EQ(Telnet("R2", "R1", 1).sessionNumber, 2);
  EXPECT_EQ(Cell("telnetsession_id", "R1"), "2");

  const auto resumed = ResumeTelnetSession(conn_, "1");
  ASSERT_TRUE(resumed);
  EXPECT_EQ(resumed->column, "R2");
  EXPECT_EQ(resumed->hostName, "R2");
}

TEST_F(NetworkTest, ResumeFindsSessionNumbersAndHostNamesOnly) {
  EXPECT_FALSE(ResumeTelnetSession(conn_, "7"));
  // Host names are searched too: a device whose host name is the typed text matches.
  EXPECT_EQ(ResumeTelnetSession(conn_, "R3")->column, "R3");

  // A session number found, but no host-name row to switch to.
  SetCell("telnetsession_id", "R2", "1");
  DropRow("HostName");
  EXPECT_THROW(ResumeTelnetSession(conn_, "1"), db::DbError);
}

}  // namespace
}  // namespace rd::test
