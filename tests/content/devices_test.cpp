// The shipped devices: five devices with their factory state, one row per setting, and a row
// for every reference of the show template.
#include <set>

#include "content/shipped_content.h"

namespace rd::test {
namespace {

class DeviceTable : public ShippedContent {};

TEST_F(DeviceTable, AreTheThreeRoutersAndTwoSwitchesOfTheNetwork) {
  const std::map<std::string, std::string> devices = Devices();
  std::set<std::string> hosts;
  for (const auto& [column, host] : devices) {
    hosts.insert(host);
    EXPECT_EQ(column, host) << "the working column is named after its device";
  }
  EXPECT_EQ(hosts, (std::set<std::string>{"R1", "R2", "R3", "S1", "S2"}));
  EXPECT_EQ(Rows("SELECT * FROM routervariables").at(0).size(), 11u);
}

TEST_F(DeviceTable, KeysAreUniqueWithoutRegardToCase) {
  std::set<std::string> seen;
  for (const std::string& key : Keys()) {
    EXPECT_TRUE(seen.insert(Lower(key)).second) << "repeated key " << key;
  }
}

TEST_F(DeviceTable, HaveEveryKeyTheProgramNames) {
  std::set<std::string> keys;
  for (const std::string& k : Keys()) keys.insert(Lower(k));
  for (const char* key :
       {"HostName", "enable_password", "secret_password", "lineconsole_pass", "linevty_pass",
        "ethernet0_ip_address", "ethernet0_dec_mask", "serial0_ip_address", "serial0_dec_mask",
        "ethernet0_shutdown", "serial0_shutdown", "routing", "accesslist_num", "telnetsession_id",
        "telneted_host1", "telneted_host2", "telneted_host3", "startup-config"}) {
    EXPECT_TRUE(keys.count(Lower(key))) << "no row " << key;
  }
}

TEST_F(DeviceTable, HaveEveryReferenceOfTheShowTemplate) {
  std::set<std::string> keys;
  for (const std::string& k : Keys()) keys.insert(Lower(k));
  int references = 0;
  for (const TemplateBlock& block : Template()) {
    for (const std::string& line : block.lines) {
      for (const std::string& name : References(line)) {
        ++references;
        EXPECT_TRUE(keys.count(Lower(name))) << block.head << ": no row for $" << name;
      }
    }
  }
  EXPECT_GT(references, 50);
}

// The student configures the network: routers start without addresses, shut down, without
// passwords, with routing on; the working columns equal the saved ones; no cell is empty.
TEST_F(DeviceTable, StartFromAFactoryStateWithWorkingColumnsLikeSavedOnes) {
  for (const Row& r : Rows("SELECT * FROM routervariables")) {
    for (size_t i = 1; i < r.size(); i += 2) {
      EXPECT_FALSE(r[i].empty()) << r[0];
      EXPECT_EQ(r[i], r[i + 1]) << r[0];
    }
    const std::string key = r[0];
    if (key == "ethernet0_ip_address" || key == "serial0_ip_address") {
      EXPECT_EQ(r[1], "unassigned") << key;
    }
    if (key == "ethernet0_shutdown" || key == "serial0_shutdown") {
      EXPECT_EQ(r[1], "shutdown") << key;
    }
    if (key == "routing") {
      EXPECT_EQ(r[1], "enable");
    }
    if (key.find("pass") != std::string::npos) {
      EXPECT_EQ(r[1], "nill") << key;
    }
  }
}

// A device's first addressed interface is the first of the two address rows in stored order.
TEST_F(DeviceTable, StoreEthernet0BeforeSerial0) {
  const std::vector<std::string> keys = Keys();
  const auto at = [&](const std::string& k) { return std::find(keys.begin(), keys.end(), k); };
  EXPECT_LT(at("ethernet0_ip_address"), at("serial0_ip_address"));
}

}  // namespace
}  // namespace rd::test
