// The content writes where only the stored rows show a fault: keys of new rows, and deletions
// that must be all or nothing.
#include "authoring/content_writes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_workdir.h"

namespace rd {
namespace {

using test::TestWorkdir;

class ContentWritesTest : public ::testing::Test {
 protected:
  void Build(const std::string& sql) {
    work_.BuildDatabase({sql});
    conn_.Open(TestWorkdir::ConnStr());
  }

  // Every row of `table`, its cells joined by "|".
  std::vector<std::string> Rows(const std::string& table) {
    db::Recordset rs;
    rs.Open("select * from " + table, conn_);
    std::vector<std::string> rows;
    for (; !rs.EOF_(); rs.MoveNext()) {
      std::string row;
      for (int i = 0; i < rs.FieldCount(); ++i) row += (i ? "|" : "") + rs.Field(i).Text();
      rows.push_back(row);
    }
    return rows;
  }

  std::vector<std::string> AllRows() {
    std::vector<std::string> all;
    for (const char* table : {"sublab", "instructions", "comrestble"}) {
      for (const std::string& row : Rows(table)) all.push_back(std::string(table) + ": " + row);
    }
    return all;
  }

  TestWorkdir work_;
  db::Connection conn_;
};

// Two exercises, the first with three steps (one without commands) whose commands are stored
// between the second exercise's.
constexpr const char* kTwoExercises =
    "INSERT INTO sublab VALUES (5, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);"
    "INSERT INTO sublab VALUES (2, 'Static Routes', 'nill', 'nill', 'nill', 'nill', 2);"
    "INSERT INTO instructions VALUES (7, 'Enter privileged mode', 5, NULL, NULL, 'R1');"
    "INSERT INTO instructions VALUES (3, 'Add a route', 2, NULL, NULL, 'R2');"
    "INSERT INTO instructions VALUES (8, 'Look around', 5, NULL, NULL, 'R1');"
    "INSERT INTO instructions VALUES (9, 'Enter configuration mode', 5, NULL, NULL, 'R1');"
    "INSERT INTO comrestble VALUES (11, 'enable', 'nill', '>', '#', NULL, 7);"
    "INSERT INTO comrestble VALUES (4, 'ip route', 'nill', '#', '#', NULL, 3);"
    "INSERT INTO comrestble VALUES (12, 'configure terminal', 'nill', '#', '(config)#', NULL, 9);"
    "INSERT INTO comrestble VALUES (13, 'disable', 'nill', '#', '>', NULL, 7);";

TEST_F(ContentWritesTest, NewKeysFollowTheLargestKeyNotTheLastRow) {
  Build(kTwoExercises);
  EXPECT_EQ(AddSublab(conn_, {"Access Lists", 3, "nill", "nill", "nill", "nill"}), 6);
  EXPECT_EQ(AddInstruction(conn_, "Name the router", "R3", 6), 10);
  EXPECT_EQ(AddCommand(conn_, {"hostname R3", "nill", "(config)#", "(config)#"}, 10), 14);
  EXPECT_EQ(AddCommand(conn_, {"exit", "nill", "(config)#", "#"}, 10), 15);
  EXPECT_EQ(Rows("sublab").back(), "6|Access Lists|nill|nill|nill|nill|3");
  EXPECT_EQ(Rows("instructions").back(), "10|Name the router|6|||R3");
  EXPECT_EQ(Rows("comrestble").back(), "15|exit|nill|(config)#|#||10");
}

TEST_F(ContentWritesTest, AnEmptyTableStartsAtOneAndAFullRangeRefusesWithNothingWritten) {
  Build("INSERT INTO instructions VALUES (32767, 'Last', 1, NULL, NULL, 'R1');");
  EXPECT_EQ(AddSublab(conn_, {"First", 0, "nill", "nill", "nill", "nill"}), 1);
  EXPECT_EQ(AddCommand(conn_, {"enable", "nill", ">", "#"}, 32767), 1);
  EXPECT_THROW(AddInstruction(conn_, "One more", "R1", 1), db::DbError);
  EXPECT_EQ(Rows("instructions"), (std::vector<std::string>{"32767|Last|1|||R1"}));
}

// A step or a command hangs on the row its key names: a key that no row has (0, or that of a
// deleted row) takes nothing.
TEST_F(ContentWritesTest, ARowUnderAKeyNoRowHasIsRefusedWithNothingWritten) {
  Build(kTwoExercises);
  ASSERT_TRUE(DeleteSublab(conn_, 5));
  const std::vector<std::string> left = AllRows();
  EXPECT_EQ(AddInstruction(conn_, "Enter privileged mode", "R1", 5), std::nullopt);
  EXPECT_EQ(AddInstruction(conn_, "Enter privileged mode", "R1", 0), std::nullopt);
  EXPECT_EQ(AddCommand(conn_, {"enable", "nill", ">", "#"}, 7), std::nullopt);
  EXPECT_EQ(AddCommand(conn_, {"enable", "nill", ">", "#"}, 0), std::nullopt);
  EXPECT_EQ(AllRows(), left);
}

TEST_F(ContentWritesTest, ATakenNameIsRefusedOnlyInTheSameLetterCase) {
  Build(kTwoExercises);
  EXPECT_EQ(AddSublab(conn_, {"Static Routes", 1, "", "", "", ""}), std::nullopt);
  EXPECT_EQ(Rows("sublab").size(), 2u);
  EXPECT_EQ(AddSublab(conn_, {"static routes", 1, "", "", "", ""}), 6);
}

TEST_F(ContentWritesTest, DeletingASublabTakesItsStepsAndTheirCommandsAndNothingElse) {
  Build(kTwoExercises);
  EXPECT_TRUE(DeleteSublab(conn_, 5));
  EXPECT_EQ(AllRows(), (std::vector<std::string>{
                           "sublab: 2|Static Routes|nill|nill|nill|nill|2",
                           "instructions: 3|Add a route|2|||R2",
                           "comrestble: 4|ip route|nill|#|#||3",
                       }));
  EXPECT_FALSE(DeleteSublab(conn_, 5));
  EXPECT_FALSE(DeleteInstruction(conn_, 7));
  EXPECT_FALSE(DeleteCommand(conn_, 11));
}

// A deletion that takes the last rows of a table goes through like any other: the step whose
// commands are the only ones left, then the exercise whose step is the only one left.
TEST_F(ContentWritesTest, DeletingTheLastRowsOfATableEmptiesIt) {
  Build(
      "INSERT INTO sublab VALUES (5, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);"
      "INSERT INTO instructions VALUES (7, 'Enter privileged mode', 5, NULL, NULL, 'R1');"
      "INSERT INTO instructions VALUES (8, 'Look around', 5, NULL, NULL, 'R1');"
      "INSERT INTO comrestble VALUES (11, 'enable', 'nill', '>', '#', NULL, 7);");
  EXPECT_TRUE(DeleteInstruction(conn_, 7));
  EXPECT_EQ(AllRows(), (std::vector<std::string>{
                           "sublab: 5|Basic Modes|nill|nill|nill|nill|1",
                           "instructions: 8|Look around|5|||R1",
                       }));
  EXPECT_TRUE(DeleteSublab(conn_, 5));
  EXPECT_EQ(AllRows(), std::vector<std::string>{});
}

// The database refuses the third row of the deletion (the sublab, its first step, then that
// step's first command): every row stays, and so does each step's link.
TEST_F(ContentWritesTest, ADeletionThatFailsHalfwayLeavesEveryRowInPlace) {
  Build(std::string(kTwoExercises) +
        "CREATE TRIGGER refuse BEFORE DELETE ON comrestble WHEN old.\"index\" = 11 "
        "BEGIN SELECT RAISE(ABORT, 'write-protected'); END;");
  const std::vector<std::string> before = AllRows();
  EXPECT_THROW(DeleteSublab(conn_, 5), db::DbError);
  EXPECT_EQ(AllRows(), before);
  EXPECT_THROW(DeleteInstruction(conn_, 7), db::DbError);
  EXPECT_EQ(AllRows(), before);
  // The connection is usable again: the next deletion goes through whole.
  EXPECT_TRUE(DeleteInstruction(conn_, 9));
  EXPECT_EQ(AllRows().size(), before.size() - 2);
}

}  // namespace
}  // namespace rd
