#include "device/apply_config.h"

#include "device_fixture.h"

namespace rd::test {
namespace {

class ApplyConfigTest : public DeviceTest {
 protected:
  ConfigResult Apply(const std::string& line, std::vector<std::string> names,
                     const std::string& cmdText, std::vector<std::string> slots = {}) {
    app_.g.gCommandLine = line;
    app_.g.gPlaceholderValues = {};
    for (size_t i = 0; i < slots.size(); ++i) app_.g.gPlaceholderValues[i] = slots[i];
    lastNames_ = std::move(names);
    return ApplyConfigCommand(app_, lastNames_, cmdText);
  }
  std::vector<std::string> lastNames_;
};

TEST_F(ApplyConfigTest, AddressInSubModeStoresPrefixedNamesWithSharedMask) {
  app_.g.gCurrentInterface = "serial0";
  EXPECT_EQ(Apply("ip address 172.16.0.1 255.255.255.0", {"ip_address", "dec_mask"}, "ip address",
                  {"172.16.0.1", "255.255.255.0"}),
            ConfigResult::Applied);
  EXPECT_EQ(lastNames_, (std::vector<std::string>{"serial0_ip_address", "serial0_dec_mask"}));
  EXPECT_EQ(Cell("serial0_ip_address", "R1"), "172.16.0.1");
  EXPECT_EQ(Cell("serial0_dec_mask", "R1"), "255.255.255.0");
  EXPECT_EQ(Cell("serial0_ip_address", "R1save"), "unassigned");
  EXPECT_EQ(Cell("serial0_ip_address", "R2"), "192.168.1.2");
}

TEST_F(ApplyConfigTest, AddressHeldByAnyInterfaceIsRefusedAndNothingWritten) {
  app_.g.gCurrentInterface = "serial0";
  app_.g.gResponse = "nill";
  // Held by R2's serial0, by R1's own ethernet0 (the same address typed again), by R3's serial0.
  for (const std::string address : {"192.168.1.2", "10.0.0.1", "192.168.1.3"}) {
    EXPECT_EQ(Apply("ip address " + address + " 255.255.0.0", {"ip_address", "dec_mask"},
                    "ip address", {address, "255.255.0.0"}),
              ConfigResult::AddressInUse)
        << address;
    EXPECT_EQ(app_.g.gResponse, "This address is already assigned.Please choose another Address");
  }
  EXPECT_EQ(Cell("serial0_ip_address", "R1"), "unassigned");
  EXPECT_EQ(Cell("serial0_dec_mask", "R1"), "unassigned");
}

TEST_F(ApplyConfigTest, OnlyEthernet0AndSerial0AddressesAreCompared) {
  app_.g.gCurrentInterface = "ethernet0";
  app_.g.gResponse = "nill";
  EXPECT_EQ(Apply("ip address 255.255.255.0 10.0.0.2", {"ip_address", "dec_mask"}, "ip address",
                  {"255.255.255.0", "10.0.0.2"}),
            ConfigResult::Applied);
  EXPECT_EQ(app_.g.gResponse, "nill");
  EXPECT_EQ(Cell("ethernet0_ip_address", "R1"), "255.255.255.0");

  // R2's vlan1 address is no row of the duplicate check.
  EXPECT_EQ(Apply("ip address 172.16.9.9 255.255.0.0", {"ip_address", "dec_mask"}, "ip address",
                  {"172.16.9.9", "255.255.0.0"}),
            ConfigResult::Applied);
  EXPECT_EQ(app_.g.gResponse, "nill");
  EXPECT_EQ(Cell("ethernet0_ip_address", "R1"), "172.16.9.9");
}

TEST_F(ApplyConfigTest, ShutdownAndNoShutdownWriteStateAndStatusLastToFirst) {
  app_.g.gCurrentInterface = "ethernet0";
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
  // "no ipx routing" is no keyword: it stores whatever slot 0 holds, even a value left there.
  Apply("no ipx routing", {"ipx_routing"}, "no ipx routing", {"leftover"});
  EXPECT_EQ(Cell("ipx_routing", "R1"), "leftover");

  app_.g.gCurrentInterface = "ethernet0";
  Apply("ip address", {"ip_address", "dec_mask"}, "ip address", {"", "255.0.0.0"});
  EXPECT_EQ(Cell("ethernet0_ip_address", "R1"), "10.0.0.1");
  EXPECT_EQ(Cell("ethernet0_dec_mask", "R1"), "255.255.255.0");
}

TEST_F(ApplyConfigTest, HostnameWritesTheRowAndRefreshesTheHostName) {
  Apply("hostname Core1", {"HostName"}, "hostname", {"Core1"});
  EXPECT_EQ(Cell("HostName", "R1"), "Core1");
  EXPECT_EQ(Cell("HostName", "R2"), "R2");
  EXPECT_EQ(app_.g.gHostName, "Core1");

  app_.g.gDeviceColumn = "r2";  // the device column is found in any letter case
  Apply("hostname Edge", {"hostname"}, "hostname", {"Edge"});
  EXPECT_EQ(Cell("HostName", "R2"), "Edge");
  EXPECT_EQ(app_.g.gHostName, "Edge");
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

TEST_F(ApplyConfigTest, MissingRowIsNamedInAMessageAndNothingIsWritten) {
  app_.g.gCurrentInterface = "ethernet0";
  EXPECT_EQ(
      Apply("description uplink", {"description", "colour"}, "description", {"uplink", "red"}),
      ConfigResult::MissingVariable);
  ASSERT_EQ(services_.shown.size(), 1u);
  EXPECT_NE(services_.shown[0].text.find("ethernet0_colour"), std::string::npos);
  EXPECT_EQ(Cell("ethernet0_description", "R1"), "nill");

  // A name that holds a quote is looked up literally and reported the same way.
  EXPECT_EQ(Apply("x", {"it's"}, "x", {"v"}), ConfigResult::MissingVariable);
  EXPECT_NE(services_.shown.back().text.find("ethernet0_it's"), std::string::npos);
}

TEST_F(ApplyConfigTest, HostnameWithoutAHostNameRowWritesNothing) {
  DropRow("HostName");
  app_.g.gHostName = "R1";
  EXPECT_EQ(Apply("hostname Core1", {"ethernet0_description"}, "hostname", {"Core1"}),
            ConfigResult::MissingVariable);
  ASSERT_EQ(services_.shown.size(), 1u);
  EXPECT_NE(services_.shown[0].text.find("hostname"), std::string::npos);
  EXPECT_EQ(Cell("ethernet0_description", "R1"), "nill");
  EXPECT_EQ(app_.g.gHostName, "R1");
}

}  // namespace
}  // namespace rd::test
