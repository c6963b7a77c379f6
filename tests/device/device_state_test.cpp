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
  EXPECT_EQ(SqlQuoted("it's"), "'it''s'");
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

TEST(SplitAtBlanks, EverySingleBlankSplits) {
  EXPECT_EQ(SplitAtBlanks("ping  R2"), (std::vector<std::string>{"ping", "", "R2"}));
  EXPECT_EQ(SplitAtBlanks(""), (std::vector<std::string>{""}));
  EXPECT_EQ(WordAt(SplitAtBlanks("ping"), 1), "");
}

}  // namespace
}  // namespace rd::test
