#include "device/device_state.h"

#include "device_fixture.h"

namespace rd::test {
namespace {

using DeviceStateTest = DeviceTest;

TEST_F(DeviceStateTest, VariablesAreFoundByKeyAndColumnInAnyLetterCase) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  EXPECT_EQ(ReadDeviceVariable(conn, "hostname", "r2"), "R2");
  EXPECT_EQ(WriteDeviceVariable(conn, "HOSTNAME", "r3", "Edge"), WriteOutcome::Written);
  EXPECT_EQ(Cell("HostName", "R3"), "Edge");
  EXPECT_EQ(Cell("HostName", "R3save"), "R3");
  EXPECT_EQ(WriteDeviceVariable(conn, "nothing", "R1", "x"), WriteOutcome::NoRow);
  EXPECT_EQ(WriteDeviceVariable(conn, "HostName", "R9", "x"), WriteOutcome::NoColumn);
  EXPECT_EQ(ReadDeviceVariable(conn, "HostName", "R9"), std::nullopt);
}

TEST_F(DeviceStateTest, KeysWithQuotesArePlainText) {
  EXPECT_EQ(db::SqlQuoted("it's"), "'it''s'");
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  EXPECT_EQ(ReadDeviceVariable(conn, "x' or '1'='1", "R1"), std::nullopt);
  EXPECT_EQ(WriteDeviceVariable(conn, "' or ''='", "R1", "x"), WriteOutcome::NoRow);
  EXPECT_EQ(Cell("HostName", "R1"), "R1");
}

TEST_F(DeviceStateTest, RowSnapshotsKeepStoredOrderAndWorkingColumns) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  const VariableRows rows = ReadVariableRows(
      conn,
      " select * from routervariables where Config_Variable = 'serial0_ip_address' or "
      "Config_Variable = 'ethernet0_ip_address' ");
  ASSERT_EQ(rows.rows.size(), 2u);
  EXPECT_EQ(rows.rows[0].key, "ethernet0_ip_address");
  EXPECT_EQ(rows.WorkingColumns(), (std::vector<int>{2, 4, 6}));
  EXPECT_EQ(rows.FindColumn("r3"), 6);
  EXPECT_EQ(rows.Find("SERIAL0_IP_ADDRESS")->cells[4], "192.168.1.2");
  EXPECT_THROW(rows.Require("HostName"), db::DbError);
}

TEST(DeviceTableLayout, KeyColumnThenSavedAndWorkingPairsOfAnyNames) {
  using Columns = std::vector<std::string>;
  EXPECT_FALSE(DeviceTableLayoutFault({"Config_Variable", "R1save", "R1", "S1SAVE", "s1"}));
  EXPECT_FALSE(DeviceTableLayoutFault({"config_variable", "R1s", "R1", "R2", "B"}));
  const std::pair<Columns, std::string> faults[] = {
      {{}, "must begin with the key column Config_Variable"},
      {{"R1save", "R1", "Config_Variable"}, "must begin with the key column Config_Variable"},
      {{"Config_Variable"}, "has no device columns"},
      {{"Config_Variable", "R1save", "R1", "R2"}, "has 3 device columns"},
  };
  for (const auto& [columns, fault] : faults) {
    const auto found = DeviceTableLayoutFault(columns);
    ASSERT_TRUE(found) << fault;
    EXPECT_NE(found->find("routervariables"), std::string::npos) << *found;
    EXPECT_NE(found->find(fault), std::string::npos) << *found;
  }
}

TEST_F(DeviceStateTest, ResetCopiesEverySavedColumnOrNothingWhenTheLayoutIsDamaged) {
  SetCell("HostName", "R2", "changed");
  SetCell("ethernet0_ip_address", "R3", "10.9.9.9");
  ResetWorkingColumns(conn_);
  EXPECT_EQ(Cell("HostName", "R2"), "R2");
  EXPECT_EQ(Cell("ethernet0_ip_address", "R3"), "unassigned");

  // A saved column without its working column: refused before anything is written.
  SetCell("HostName", "R2", "changed");
  db::Recordset rs;
  rs.Open("ALTER TABLE routervariables ADD COLUMN R4save TEXT", conn_);
  try {
    ResetWorkingColumns(conn_);
    ADD_FAILURE() << "a damaged layout was reset";
  } catch (const db::DbError& e) {
    EXPECT_NE(std::string(e.what()).find("has 7 device columns"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Cell("HostName", "R2"), "changed");
}

TEST_F(DeviceStateTest, FirstDeviceAndHostNamesComeFromTheHostNameRow) {
  const DeviceRef first = FirstDevice(conn_);
  EXPECT_EQ(first.hostName, "R1");
  EXPECT_EQ(first.column, "R1");
  SetCell("HostName", "R3", "R2");
  EXPECT_EQ(DeviceHostNames(conn_), (std::vector<std::string>{"R1", "R2", "R2"}));
  EXPECT_EQ(ColumnOfHost(conn_, "R2")->name, "R2");  // the first of two alike
  EXPECT_EQ(ColumnOfHost(conn_, "R2")->ordinal, 4);
  EXPECT_FALSE(ColumnOfHost(conn_, "r1"));
  DropRow("HostName");
  try {
    FirstDevice(conn_);
    ADD_FAILURE() << "no HostName row, yet a first device";
  } catch (const db::DbError& e) {
    EXPECT_NE(std::string(e.what()).find("has no row \"HostName\""), std::string::npos);
  }
  EXPECT_TRUE(DeviceHostNames(conn_).empty());
}

}  // namespace
}  // namespace rd::test
