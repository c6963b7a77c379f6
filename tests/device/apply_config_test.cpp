#include "device/apply_config.h"

#include "device_fixture.h"
#include "platform/text/words.h"

namespace rd::test {
namespace {

class ApplyConfigTest : public DeviceTest {
 protected:
  ConfigResult Apply(const std::string& line, std::vector<std::string> names,
                     const std::string& cmdText, std::vector<std::string> slots = {}) {
    slots.resize(7);
    last_ = ApplyConfigCommand(conn_, {std::move(names), cmdText, text::SplitAtBlanks(line),
                                       column_, interface_, std::move(slots)});
    return last_.result;
  }
  std::string column_ = "R1";
  std::string interface_ = "nill";
  ConfigOutcome last_;
};

TEST_F(ApplyConfigTest, AddressInSubModeStoresPrefixedNamesWithSharedMask) {
  interface_ = "serial0";
  EXPECT_EQ(Apply("ip address 172.16.0.1 255.255.255.0", {"ip_address", "dec_mask"}, "ip address",
                  {"172.16.0.1", "255.255.255.0"}),
            ConfigResult::Applied);
  EXPECT_EQ(Cell("serial0_ip_address", "R1"), "172.16.0.1");
  EXPECT_EQ(Cell("serial0_dec_mask", "R1"), "255.255.255.0");
  EXPECT_EQ(Cell("serial0_ip_address", "R1save"), "unassigned");
  EXPECT_EQ(Cell("serial0_ip_address", "R2"), "192.168.1.2");
}

TEST_F(ApplyConfigTest, AddressHeldByAnotherInterfaceCellIsRefusedAndNothingWritten) {
  interface_ = "serial0";
  // Held by R2's serial0, by R1's own ethernet0, by R3's serial0.
  for (const std::string address : {"192.168.1.2", "10.0.0.1", "192.168.1.3"}) {
    EXPECT_EQ(Apply("ip address " + address + " 255.255.0.0", {"ip_address", "dec_mask"},
                    "ip address", {address, "255.255.0.0"}),
              ConfigResult::AddressInUse)
        << address;
  }
  EXPECT_EQ(Cell("serial0_ip_address", "R1"), "unassigned");
  EXPECT_EQ(Cell("serial0_dec_mask", "R1"), "unassigned");

  // The address the interface already has, typed again, is no duplicate: the cell it would
  // write is left out of the check.
  interface_ = "ethernet0";
  EXPECT_EQ(Apply("ip address 10.0.0.1 255.255.0.0", {"ip_address", "dec_mask"}, "ip address",
                  {"10.0.0.1", "255.255.0.0"}),
            ConfigResult::Applied);
  EXPECT_EQ(Cell("ethernet0_dec_mask", "R1"), "255.255.0.0");
  column_ = "R2";  // but on another device the same cell is someone else's
  EXPECT_EQ(Apply("ip address 10.0.0.1 255.255.0.0", {"ip_address", "dec_mask"}, "ip address",
                  {"10.0.0.1", "255.255.0.0"}),
            ConfigResult::AddressInUse);
}

TEST_F(ApplyConfigTest, OnlyEthernet0AndSerial0AddressesAreCompared) {
  interface_ = "ethernet0";
  EXPECT_EQ(Apply("ip address 255.255.255.0 10.0.0.2", {"ip_address", "dec_mask"}, "ip address",
                  {"255.255.255.0", "10.0.0.2"}),
            ConfigResult::Applied);
  EXPECT_EQ(Cell("ethernet0_ip_address", "R1"), "255.255.255.0");

  // R2's vlan1 address is no row of the duplicate check.
  EXPECT_EQ(Apply("ip address 172.16.9.9 255.255.0.0", {"ip_address", "dec_mask"}, "ip address",
                  {"172.16.9.9", "255.255.0.0"}),
            ConfigResult::Applied);
  EXPECT_EQ(Cell("ethernet0_ip_address", "R1"), "172.16.9.9");
}

TEST_F(ApplyConfigTest, ShutdownAndNoShutdownWriteStateAndStatusLastToFirst) {
  interface_ = "ethernet0";
  Apply("shutdown", {"shutdown", "status"}, "shutdown");
  EXPECT_EQ(Cell("ethernet0_shutdown", "R1"), "shutdown");
  EXPECT_EQ(Cell("ethernet0_status", "R1"), "down");

  Apply("no shut", {"shutdown", "status"}, "No Shutdown");
  EXPECT_EQ(Cell("ethernet0_shutdown", "R1"), "nill");
  EXPECT_EQ(Cell("ethernet0_status", "R1"), "up");
  EXPECT_EQ(Cell("ethernet0_shutdown", "R2"), "nill");
}

TEST_F(ApplyConfigTest, SwitchKeywordsWriteEnableOrDisable) {
  Apply("no ip routing", {"routing"}, "no ip routing");
  EXPECT_EQ(Cell("routing", "R1"), "disable");
  Apply("ip routing", {"routing"}, "ip routing");
  EXPECT_EQ(Cell("routing", "R1"), "enable");
  Apply("no ip domain-lookup", {"domain_lookup"}, "no ip domain-lookup");
  EXPECT_EQ(Cell("domain_lookup", "R1"), "disable");
  Apply("ipx routing", {"ipx_routing"}, "ipx routing");
  EXPECT_EQ(Cell("ipx_routing", "R1"), "enable");
}

TEST_F(ApplyConfigTest, OtherTextsStoreSlotsInOrderAndStopAtAnEmptySlot) {
  // "no ipx routing" is no keyword: it stores whatever slot 0 holds.
  Apply("no ipx routing", {"ipx_routing"}, "no ipx routing", {"stored"});
  EXPECT_EQ(Cell("ipx_routing", "R1"), "stored");

  interface_ = "ethernet0";
  Apply("ip address", {"ip_address", "dec_mask"}, "ip address", {"", "255.0.0.0"});
  EXPECT_EQ(Cell("ethernet0_ip_address", "R1"), "10.0.0.1");
  EXPECT_EQ(Cell("ethernet0_dec_mask", "R1"), "255.255.255.0");
}

TEST_F(ApplyConfigTest, HostnameWritesTheRowAndRefreshesTheHostName) {
  Apply("hostname Core1", {"HostName"}, "hostname", {"Core1"});
  EXPECT_EQ(Cell("HostName", "R1"), "Core1");
  EXPECT_EQ(Cell("HostName", "R2"), "R2");
  EXPECT_EQ(last_.hostName, "Core1");

  column_ = "r2";  // the device column is found in any letter case
  Apply("hostname Edge", {"hostname"}, "hostname", {"Edge"});
  EXPECT_EQ(Cell("HostName", "R2"), "Edge");
  EXPECT_EQ(last_.hostName, "Edge");
  Apply("ip routing", {"routing"}, "ip routing");
  EXPECT_FALSE(last_.hostName);
}

TEST_F(ApplyConfigTest, DisconnectFreesTheFirstCellHoldingTheNumberInAnyColumn) {
  SetCell("telnetsession_id", "R2", "2");
  SetCell("telnetsession_id", "R3save", "2");
  SetCell("telnetsession_id", "R3", "1");
  Apply("disconnect 2", {"telnetsession_id"}, "disconnect");
  EXPECT_EQ(Cell("telnetsession_id", "R2"), "nill");
  EXPECT_EQ(Cell("telnetsession_id", "R3save"), "2");
  EXPECT_EQ(Cell("telnetsession_id", "R3"), "1");

  // The key column is not a device column: its text clears nothing.
  Apply("disconnect telnetsession_id", {"telnetsession_id"}, "disconnect");
  EXPECT_EQ(Cell("telnetsession_id", "R3save"), "2");
  EXPECT_EQ(Cell("telnetsession_id", "R3"), "1");
}

TEST_F(ApplyConfigTest, MissingRowIsNamedAndNothingIsWritten) {
  interface_ = "ethernet0";
  EXPECT_EQ(
      Apply("description uplink", {"description", "colour"}, "description", {"uplink", "red"}),
      ConfigResult::MissingVariable);
  EXPECT_EQ(last_.missingVariable, "ethernet0_colour");
  EXPECT_EQ(Cell("ethernet0_description", "R1"), "nill");

  // A name that holds a quote is looked up literally and reported the same way.
  EXPECT_EQ(Apply("x", {"it's"}, "x", {"v"}), ConfigResult::MissingVariable);
  EXPECT_EQ(last_.missingVariable, "ethernet0_it's");
}

TEST_F(ApplyConfigTest, HostnameWithoutAHostNameRowWritesNothing) {
  DropRow("HostName");
  EXPECT_EQ(Apply("hostname Core1", {"ethernet0_description"}, "hostname", {"Core1"}),
            ConfigResult::MissingVariable);
  EXPECT_EQ(last_.missingVariable, "hostname");
  EXPECT_EQ(Cell("ethernet0_description", "R1"), "nill");
  EXPECT_FALSE(last_.hostName);
}

}  // namespace
}  // namespace rd::test
