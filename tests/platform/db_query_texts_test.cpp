// The query texts the windows send, exactly as written in the program (Access-flavoured: bare
// `index`, parenthesised joins, LIKE on a number, "in(select ...)"), run on the shipped layout
// and read back by position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/db.h"
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
  EXPECT_EQ(Rows("SELECT labs.index, labs.labname, sublab.index, sublab.sublabnane FROM labs INNER "
                 "JOIN sublab ON labs.index = sublab.ref order by sublab.index "),
            std::vector<Row>{Row({"3", "Access Lists", "5", "Named ACL"})});
  EXPECT_EQ(Rows(" SELECT sublab.index, sublab.sublabnane, instructions.instruction,"
                 "instructions.flashcard,instructions.device FROM sublab INNER JOIN instructions "
                 "ON sublab.index = instructions.ref"),
            std::vector<Row>{Row({"5", "Named ACL", "Enter enable", "nill", "R1"})});
  EXPECT_EQ(Rows("SELECT sublab.index, sublab.sublabnane, comrestble.command, comrestble.response, "
                 "comrestble.comprompt, comrestble.resprompt, comrestble.index FROM (sublab INNER "
                 "JOIN instructions ON sublab.index = instructions.ref) INNER JOIN comrestble ON "
                 "instructions.index = comrestble.ref1"),
            std::vector<Row>{Row({"5", "Named ACL", "enable", "nill", ">", "#", "11"})});
  EXPECT_EQ(Rows(" SELECT instructions.index,comrestble.index, comrestble.ref1,"
                 "instructions.instruction,instructions.device,comrestble.comprompt FROM "
                 "instructions INNER JOIN comrestble ON instructions.index = comrestble.ref1"),
            std::vector<Row>{Row({"9", "11", "9", "Enter enable", "R1", ">"})});
}

TEST_F(QueryTextsTest, CommandTreeChainsRunAsWritten) {
  auto rows =
      Rows("SELECT * From tblsublabcmds WHERE command like 'SH%' and commandprompt = '>'  ");
  ASSERT_EQ(rows.size(), 1u) << "LIKE ignores case";
  rows = Rows(
      "SELECT * From tblsublabcmds1 WHERE tblsublabcmds1.command like 'IP%' and ref "
      "in(select tblsublabcmds.index from tblsublabcmds where tblsublabcmds.index like "
      "'4') ");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][1], "ip");
  rows = Rows(
      "SELECT * From tblsublabcmds2 WHERE tblsublabcmds2.command like 'r%' and ref "
      "in(SELECT tblsublabcmds1.index From tblsublabcmds1 WHERE tblsublabcmds1.index like "
      "'6' and ref in(select tblsublabcmds.index from tblsublabcmds where "
      "tblsublabcmds.command like 'sh%' and commandprompt = '>'))");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][1], "route");
}

TEST_F(QueryTextsTest, WritersAddRowsWithTheKeyNamedIndex) {
  Recordset rs;
  rs.CursorType = adOpenKeyset;
  rs.LockType = adLockOptimistic;
  rs.Open("SELECT * from comrestble", conn_, adOpenDynamic, adLockUnspecified, -1);
  rs.AddNew();
  rs.SetField("Index", "12");
  rs.SetField("command", "conf t");
  rs.SetField("ref1", "9");
  rs.Update();
  EXPECT_EQ(Rows("select * from comrestble where command = 'CONF T'").at(0).at(0), "12");
}

}  // namespace
}  // namespace rd::db
