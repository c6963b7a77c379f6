// Transactions (all or nothing, also when a write fails halfway) and the natural row order of
// joins without ORDER BY.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/db.h"
#include "support/test_workdir.h"

namespace rd::db {
namespace {

using rd::test::TestWorkdir;

// Instruction rows (index, text, ref) of one exercise; the third raises an error on delete.
constexpr const char* kSteps =
    "INSERT INTO sublab VALUES (1, 'Basics', 'nill', 'nill', 'nill', 'nill', 1);"
    "INSERT INTO instructions VALUES (30, 'Save the configuration', 1, '', '', 'R1');"
    "INSERT INTO instructions VALUES (10, 'Enter privileged mode', 1, '', '', 'R1');"
    "INSERT INTO instructions VALUES (20, 'Configure the host name', 1, '', '', 'R1');"
    "INSERT INTO instructions VALUES (40, 'Check the interfaces', 2, '', '', 'R2');"
    "CREATE TRIGGER refuse_third BEFORE DELETE ON instructions WHEN old.\"index\" = 20 "
    "BEGIN SELECT RAISE(ABORT, 'step 20 is locked'); END;";

std::vector<std::string> StepIndexes(Connection& conn) {
  Recordset rs;
  rs.Open("select * from instructions", conn);
  std::vector<std::string> keys;
  for (; !rs.EOF_(); rs.MoveNext()) keys.push_back(rs.Field(0).Text());
  return keys;
}

// Deletes the steps of exercise 1 row by row, as the authoring windows do.
void DeleteStepsOfFirstExercise(Connection& conn) {
  Recordset rs;
  rs.CursorType = adOpenKeyset;
  rs.LockType = adLockOptimistic;
  rs.Open("select * from instructions", conn);
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (rs.Field(2).Text() != "1") continue;
    rs.Delete(adAffectCurrent);
    rs.UpdateBatch(adAffectAll);
  }
}

class TransactionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_.BuildDatabase({kSteps});
    conn_.Open(TestWorkdir::ConnStr());
  }
  TestWorkdir work_;
  Connection conn_;
};

TEST_F(TransactionTest, AFailureHalfwayLeavesEveryRowInPlace) {
  EXPECT_THROW(
      {
        Transaction tx(conn_);
        DeleteStepsOfFirstExercise(conn_);
        tx.Commit();
      },
      DbError);
  EXPECT_FALSE(conn_.InTransaction());
  EXPECT_EQ(StepIndexes(conn_), (std::vector<std::string>{"30", "10", "20", "40"}));

  // Without a transaction the same failure leaves the rows before it deleted: the scope is what
  // makes the deletion all or nothing.
  EXPECT_THROW(DeleteStepsOfFirstExercise(conn_), DbError);
  EXPECT_EQ(StepIndexes(conn_), (std::vector<std::string>{"20", "40"}));
}

TEST_F(TransactionTest, CommitKeepsAndRollbackUndoesAndOnlyOneRunsAtATime) {
  {
    Transaction tx(conn_);
    Recordset rs;
    rs.Open("DELETE FROM instructions WHERE ref = 2", conn_);
    Connection other;
    other.Open(TestWorkdir::ConnStr());
    EXPECT_THROW(other.BeginTrans(), DbError);  // one file, one transaction
    tx.Commit();
  }
  EXPECT_EQ(StepIndexes(conn_).size(), 3u);

  conn_.BeginTrans();
  Recordset rs;
  rs.Open("DELETE FROM instructions WHERE ref = 1 AND \"index\" <> 20", conn_);
  EXPECT_EQ(StepIndexes(conn_), std::vector<std::string>{"20"});
  conn_.RollbackTrans();
  EXPECT_EQ(StepIndexes(conn_).size(), 3u);
  EXPECT_THROW(conn_.CommitTrans(), DbError);
  EXPECT_THROW(conn_.RollbackTrans(), DbError);

  // Closing a connection in the middle of a transaction undoes it.
  conn_.BeginTrans();
  rs.Open("DELETE FROM instructions WHERE ref = 1 AND \"index\" <> 20", conn_);
  conn_.Close();
  conn_.Open(TestWorkdir::ConnStr());
  EXPECT_EQ(StepIndexes(conn_).size(), 3u);
}

TEST_F(TransactionTest, AJoinWithoutOrderByReturnsTheStoredOrderNotTheTextOrder) {
  Recordset rs;
  rs.Open(
      " SELECT sublab.index, sublab.sublabnane, instructions.instruction,instructions.index "
      "FROM sublab INNER JOIN instructions ON sublab.index = instructions.ref",
      conn_);
  std::vector<std::string> steps;
  for (; !rs.EOF_(); rs.MoveNext()) steps.push_back(rs.Field(2).Text());
  EXPECT_EQ(steps, (std::vector<std::string>{"Save the configuration", "Enter privileged mode",
                                             "Configure the host name"}));
}

// Two exercises stored out of key and name order, their steps stored in turns and out of key
// and text order, the commands of the steps in turns as well: the stored order of the first
// table, then of the second within each of its rows, then of the third, differs from every
// order by keys or texts and from the stored order of the second or third table alone.
TEST(JoinOrder, AThreeTableJoinComesBackTableByTableInStoredOrder) {
  TestWorkdir work;
  work.BuildDatabase({
      "INSERT INTO sublab VALUES (7, 'Routing', 'nill', 'nill', 'nill', 'nill', 1);"
      "INSERT INTO sublab VALUES (2, 'Basics', 'nill', 'nill', 'nill', 'nill', 1);"
      "INSERT INTO instructions VALUES (20, 'Save', 2, '', '', 'R1');"
      "INSERT INTO instructions VALUES (70, 'Route', 7, '', '', 'R1');"
      "INSERT INTO instructions VALUES (10, 'Enable', 2, '', '', 'R1');"
      "INSERT INTO instructions VALUES (60, 'Address', 7, '', '', 'R2');"
      "INSERT INTO comrestble VALUES (3, 'write', 'nill', '#', '#', '', 20);"
      "INSERT INTO comrestble VALUES (9, 'ip address', 'nill', '#', '#', '', 60);"
      "INSERT INTO comrestble VALUES (1, 'enable', 'nill', '>', '#', '', 10);"
      "INSERT INTO comrestble VALUES (8, 'ip route', 'nill', '#', '#', '', 70);"
      "INSERT INTO comrestble VALUES (2, 'copy run start', 'nill', '#', '#', '', 20);"
      "INSERT INTO comrestble VALUES (7, 'router rip', 'nill', '#', '#', '', 70);",
  });
  Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  Recordset rs;
  rs.Open(
      "SELECT sublab.index, instructions.index, comrestble.command FROM (sublab INNER JOIN "
      "instructions ON sublab.index = instructions.ref) INNER JOIN comrestble ON "
      "instructions.index = comrestble.ref1",
      conn);
  std::vector<std::string> rows;
  for (; !rs.EOF_(); rs.MoveNext()) {
    rows.push_back(rs.Field(0).Text() + " " + rs.Field(1).Text() + " " + rs.Field(2).Text());
  }
  EXPECT_EQ(rows, (std::vector<std::string>{"7 70 ip route", "7 70 router rip", "7 60 ip address",
                                            "2 20 write", "2 20 copy run start", "2 10 enable"}));
}

}  // namespace
}  // namespace rd::db
