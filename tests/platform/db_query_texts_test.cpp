// The query texts the program sends, taken from where the program defines them
// (Access-flavoured: bare `index`, parenthesised joins), run on the shipped layout and read back
// by position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "authoring/content_writes.h"
#include "interpreter/command_tree.h"
#include "labs/lab_queries.h"
#include "platform/db/db.h"
#include "shell/form17.h"
#include "support/test_workdir.h"

namespace rd::db {
namespace {

using rd::test::TestWorkdir;

class QueryTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_.BuildDatabase({
        "INSERT INTO labs VALUES (3, 'Access Lists');"
        "INSERT INTO sublab VALUES (5, 'Named ACL', 'nill', 'nill', 'card', 'title', 3);"
        "INSERT INTO instructions VALUES (9, 'Enter enable', 5, 'nill', 'nill', 'R1');"
        "INSERT INTO comrestble VALUES (11, 'enable', 'nill', '>', '#', NULL, 9);"
        "INSERT INTO tblsublabcmds (\"index\", commandprompt, command, nextprompt) "
        "  VALUES (4, '>', 'show', '>');"
        "INSERT INTO tblsublabcmds1 (\"index\", command, ref) VALUES (6, 'ip', 4);"
        "INSERT INTO tblsublabcmds2 (\"index\", command, ref) VALUES (8, 'route', 6);",
    });
    conn_.Open(TestWorkdir::ConnStr());
  }

  // The rows of sql, each as its fields' texts.
  std::vector<std::vector<std::string>> Rows(const std::string& sql) {
    Recordset rs;
    rs.Open(sql, conn_, adOpenDynamic, adLockUnspecified, -1);
    std::vector<std::vector<std::string>> rows;
    for (; !rs.EOF_(); rs.MoveNext()) {
      std::vector<std::string> row;
      for (int i = 0; i < rs.FieldCount(); ++i) row.push_back(rs.Field(i).Text());
      rows.push_back(row);
    }
    return rows;
  }

  TestWorkdir work_;
  Connection conn_;
};

TEST_F(QueryTextsTest, LabJoinsRunAsWritten) {
  using Row = std::vector<std::string>;
  EXPECT_EQ(Rows(kLabMenuQuery), std::vector<Row>{Row({"3", "Access Lists", "5", "Named ACL"})});
  EXPECT_EQ(Rows(kStepListQuery),
            std::vector<Row>{Row({"5", "Named ACL", "Enter enable", "nill", "R1"})});
  EXPECT_EQ(Rows(kStepIndexQuery), std::vector<Row>{Row({"5", "Named ACL", "Enter enable", "9"})});
  EXPECT_EQ(Rows(kFirstStepCommandsQuery), std::vector<Row>{Row({"9", "11", "9"})});
  EXPECT_EQ(Rows(kCommandCountQuery),
            std::vector<Row>{Row({"5", "Named ACL", "enable", "nill", ">", "#", "11"})});
  EXPECT_EQ(Rows(kEngineQuery),
            std::vector<Row>{Row({"5", "Named ACL", "enable", "nill", ">", "#", "11", "9", "R1"})});
  EXPECT_EQ(Rows(kStepQuery), std::vector<Row>{Row({"9", "11", "9", "Enter enable", "R1", ">"})});
}

TEST_F(QueryTextsTest, CommandTreeLevelsRunAsWritten) {
  auto rows = Rows(interp::FirstWordsQuery(">"));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][3], "show");
  EXPECT_TRUE(Rows(interp::FirstWordsQuery("#")).empty());
  rows = Rows(interp::ChildrenQuery(1, 4));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][1], "ip");
  rows = Rows(interp::ChildrenQuery(2, 6));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][1], "route");
}

TEST_F(QueryTextsTest, WritersAddRowsWithTheKeyNamedIndex) {
  Recordset rs;
  rs.CursorType = adOpenKeyset;
  rs.LockType = adLockOptimistic;
  rs.Open(write_queries::kCommands, conn_, adOpenDynamic, adLockUnspecified, -1);
  rs.AddNew();
  rs.SetField("Index", "12");
  rs.SetField("command", "conf t");
  rs.SetField("ref1", "9");
  rs.Update();
  EXPECT_EQ(Rows("select * from comrestble where command = 'CONF T'").at(0).at(0), "12");
}

}  // namespace
}  // namespace rd::db
