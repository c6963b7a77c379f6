// Recordsets over the lab database: reading, navigation, comparison rules and writes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/db/db.h"
#include "support/test_workdir.h"

namespace rd::db {
namespace {

using rd::test::TestWorkdir;
using ::testing::HasSubstr;

constexpr const char* kFixture = R"(
INSERT INTO labs VALUES (3, 'Access Lists');
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO labs VALUES (2, 'Routing');
INSERT INTO sublab VALUES (7, 'ACL seven', 'n7', 'd7', NULL, NULL, 3);
INSERT INTO sublab VALUES (2, 'ACL two', 'n2', 'd2', NULL, NULL, 3);
INSERT INTO sublab VALUES (5, 'Basics', 'n5', 'd5', 'card', 'title', 1);
DROP TABLE routervariables;
CREATE TABLE routervariables (Config_Variable TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE,
                              R1w TEXT COLLATE NOCASE);
INSERT INTO routervariables VALUES ('HostName', 'Router', 'Router');
INSERT INTO routervariables VALUES ('HostNameSuffix', 'a', 'b');
INSERT INTO routervariables VALUES ('enable', '', '');
CREATE TABLE strict_rows (a INTEGER NOT NULL, b TEXT COLLATE NOCASE);
)";

class RecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_.BuildDatabase({kFixture});
    conn_.Open(TestWorkdir::ConnStr(), "", "", -1);
  }

  // A reader as the program opens one: no property set, cursor 2, lock and options -1.
  void Read(Recordset& rs, const std::string& sql) { rs.Open(sql, conn_, 2, -1, -1); }
  // A writer: keyset cursor and optimistic lock set as properties before the open.
  void Write(Recordset& rs, const std::string& sql) {
    rs.CursorType = adOpenKeyset;
    rs.LockType = adLockOptimistic;
    rs.Open(sql, conn_, 2, -1, -1);
  }
  std::vector<std::string> Column(const std::string& sql, int pos) {
    Recordset rs;
    Read(rs, sql);
    std::vector<std::string> out;
    for (; !rs.EOF_(); rs.MoveNext()) out.push_back(rs.Field(pos).Text());
    return out;
  }

  TestWorkdir work_;
  Connection conn_;
};

TEST_F(RecordsetTest, LabMenuQueryRunsAsWrittenAndSorts) {
  Recordset rs;
  Read(rs,
       "SELECT labs.index, labs.labname, sublab.index, sublab.sublabnane FROM labs INNER JOIN "
       "sublab ON labs.index = sublab.ref order by sublab.index ");
  ASSERT_EQ(rs.FieldCount(), 4);
  EXPECT_EQ(rs.FieldName(0), "index");
  EXPECT_EQ(rs.FieldName(3), "sublabnane");
  std::vector<std::string> rows;
  for (; !rs.EOF_(); rs.MoveNext()) {
    rows.push_back(rs.Field(0).Text() + " " + rs.Field(1).Text() + " " + rs.Field(2).Text() + " " +
                   rs.Field(3).Text());
  }
  EXPECT_EQ(rows,
            (std::vector<std::string>{"3 Access Lists 2 ACL two", "1 CLI Fundamental Labs 5 Basics",
                                      "3 Access Lists 7 ACL seven"}));
}

TEST_F(RecordsetTest, NavigatesInNaturalOrderLikeAdo) {
  Recordset rs;
  Read(rs, "select * from labs");
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_FALSE(rs.BOF());
  EXPECT_EQ(rs.Field(0).Text(), "3");
  EXPECT_EQ(rs.Field(0).Int16(), 3);
  rs.MoveNext();
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  rs.MoveNext();
  EXPECT_EQ(rs.Field(1).Text(), "Routing");
  rs.MoveNext();
  EXPECT_TRUE(rs.EOF_());
  EXPECT_THROW(rs.Field(0), DbError);
  EXPECT_THROW(rs.MoveNext(), DbError);
  rs.MovePrevious();
  EXPECT_EQ(rs.Field(0).Text(), "2");
  rs.MoveFirst();
  rs.MovePrevious();
  EXPECT_TRUE(rs.BOF());
  EXPECT_FALSE(rs.EOF_());
  EXPECT_THROW(rs.MovePrevious(), DbError);
  rs.MoveLast();
  EXPECT_EQ(rs.Field(1).Text(), "Routing");
  EXPECT_THROW(rs.FieldName(-1), DbError);
  try {
    rs.Field(2);
    ADD_FAILURE() << "labs has two fields";
  } catch (const DbError& e) {  // the message names the query that came up short
    EXPECT_STREQ(e.what(), "no field at position 2 in the result of \"select * from labs\"");
  }
}

TEST_F(RecordsetTest, EmptyResultIsBothBofAndEof) {
  Recordset rs;
  Read(rs, "select * from labs where labname = 'none'");
  EXPECT_TRUE(rs.EOF_());
  EXPECT_TRUE(rs.BOF());
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_EQ(rs.FieldCount(), 2);
  rs.MoveFirst();
  rs.MoveLast();
  EXPECT_TRUE(rs.EOF_() && rs.BOF());
}

TEST_F(RecordsetTest, NullsReadAsEmptyZeroAndFalse) {
  Recordset rs;
  Read(rs, "select * from sublab");
  const Value& card = rs.Field(4);
  EXPECT_TRUE(card.IsNull());
  EXPECT_EQ(card.Text(), "");
  EXPECT_EQ(card.Int16(), 0);
  EXPECT_FALSE(card.Bool());
}

TEST_F(RecordsetTest, ValueConversions) {
  EXPECT_EQ(Value(std::string(" -12 ")).Int16(), -12);
  EXPECT_THROW(Value(std::string("12a")).Int16(), DbError);
  EXPECT_THROW(Value(std::string("40000")).Int16(), DbError);
  EXPECT_THROW(Value(std::string("9999999999999999999")).Int16(), DbError);  // no other error
  EXPECT_THROW(Value(std::string("-9999999999999999999")).Int16(), DbError);
  EXPECT_TRUE(Value(std::string("99999999999999999999999")).Bool());
  EXPECT_TRUE(Value(std::string("-1")).Bool());
  EXPECT_TRUE(Value(std::string("True")).Bool());
  EXPECT_FALSE(Value(std::string("0")).Bool());
  EXPECT_FALSE(Value(std::string("")).Bool());
  EXPECT_THROW(Value(std::string("maybe")).Bool(), DbError);
}

std::string ErrorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const DbError& e) {
    return e.what();
  }
  return "no error";
}

// A cell a teacher damaged is named by table, column and row (with the row's key, read from the
// file), also once copied out of its recordset; a read where there is no row names the query.
TEST_F(RecordsetTest, DamagedContentIsNamedByTableColumnAndRow) {
  {
    Recordset rs;
    Write(rs, "select * from sublab where sublabnane = 'Basics'");
    rs.SetField("ref", "three");
    rs.SetField("flashcard", "maybe");
    rs.Update();
  }
  Recordset sublab;
  Read(sublab, "select * from sublab");
  sublab.MoveLast();
  EXPECT_EQ(ErrorOf([&] { sublab.Field(6).Int16(); }),
            "\"three\" in table sublab, column ref, row 3 (index is 5) is not a whole number");
  EXPECT_EQ(
      ErrorOf([&] { sublab.Field(4).Bool(); }),
      "\"maybe\" in table sublab, column flashcard, row 3 (index is 5) is not a yes/no value");
  Recordset names;
  Read(names, "select sublabnane, ref from sublab");
  names.MoveLast();
  EXPECT_EQ(ErrorOf([&] { names.Field(1).Int16(); }),
            "\"three\" in table sublab, column ref, row 3 (index is 5) is not a whole number");
  const Value copied = names.Field(1);  // a cell copied out keeps its place
  names.Close();
  EXPECT_EQ(ErrorOf([&] { copied.Int16(); }),
            "\"three\" in table sublab, column ref, row 3 (index is 5) is not a whole number");
  Recordset joined;
  Read(joined,
       "select labs.labname, sublab.ref from labs inner join sublab on sublabnane = 'Basics'");
  EXPECT_EQ(ErrorOf([&] { joined.Field(1).Int16(); }),
            "\"three\" in table sublab, column ref, result row 1 is not a whole number");
  Recordset counted;
  Read(counted, "select count(*) || 'x' from labs");
  EXPECT_EQ(ErrorOf([&] { counted.Field(0).Int16(); }),
            "\"3x\" in the result of \"select count(*) || 'x' from labs\", column count(*) || "
            "'x', result row 1 is not a whole number");

  Recordset none;
  Read(none, " select * from routervariables where Config_Variable = 'nothing' ");
  EXPECT_EQ(ErrorOf([&] { none.Field(1); }),
            "no current row: the query \"select * from routervariables where Config_Variable = "
            "'nothing'\" found no row");
  Recordset one;
  Read(one, "select * from labs where index = 2");
  one.MoveNext();
  EXPECT_EQ(ErrorOf([&] { one.Field(1); }),
            "no current row: the cursor stands after the last row of \"select * from labs where "
            "index = 2\"");
  EXPECT_EQ(ErrorOf([&] { one.MoveNext(); }),
            "no current row: already past the last row of \"select * from labs where index = 2\"");
}

TEST_F(RecordsetTest, WhereAndLikeIgnoreCaseButValuesKeepIt) {
  EXPECT_EQ(Column("SELECT * from routervariables where Config_Variable = 'hostname' ", 0),
            std::vector<std::string>{"HostName"});
  EXPECT_EQ(Column("SELECT * from routervariables where Config_Variable like 'HOST%'", 0),
            (std::vector<std::string>{"HostName", "HostNameSuffix"}));
  EXPECT_EQ(Column("select * from sublab where ref = 3", 1),
            (std::vector<std::string>{"ACL seven", "ACL two"}));
  EXPECT_EQ(Column("select * from labs where index = 2", 1), std::vector<std::string>{"Routing"});
}

TEST_F(RecordsetTest, BadQueriesThrow) {
  Recordset rs;
  try {
    Read(rs, "select * from nowhere");
    FAIL() << "no error";
  } catch (const DbError& e) {
    EXPECT_THAT(e.what(), HasSubstr("no such table: nowhere"));
  }
  EXPECT_FALSE(rs.IsOpen());
  EXPECT_THROW(Read(rs, "select * from labs; delete from labs"), DbError);
  Read(rs, "select * from labs");
  EXPECT_THROW(Read(rs, "select * from labs"), DbError) << "open twice without Close";
  rs.Close();
  Connection closed;
  EXPECT_THROW(rs.Open("select * from labs", closed), DbError);
}

TEST_F(RecordsetTest, ReadersAndJoinsCannotWrite) {
  Recordset reader;
  Read(reader, "select * from labs");
  EXPECT_THROW(reader.SetField("labname", "x"), DbError);
  EXPECT_THROW(reader.AddNew(), DbError);
  EXPECT_THROW(reader.Delete(adAffectCurrent), DbError);

  Recordset join;
  Write(join,
        "SELECT labs.index, sublab.index FROM labs INNER JOIN sublab ON labs.index = sublab.ref");
  EXPECT_THROW(join.SetField(0, "9"), DbError);
  EXPECT_EQ(Column("select * from labs", 1),
            (std::vector<std::string>{"Access Lists", "CLI Fundamental Labs", "Routing"}));
}

TEST_F(RecordsetTest, UpdateWritesTheCurrentRow) {
  {
    Recordset rs;
    Write(rs, "SELECT * from routervariables where Config_Variable = 'hostname' ");
    EXPECT_EQ(rs.FieldCount(), 3) << "the row id stays hidden";
    rs.SetField("r1W", "Core1");
    EXPECT_EQ(rs.Field(2).Text(), "Core1");
    rs.SetField(1, "Saved");
    rs.Update();
    EXPECT_EQ(rs.Field(1).Text(), "Saved");
    EXPECT_THROW(rs.SetField("nosuch", "x"), DbError);
  }
  EXPECT_EQ(Column("select * from routervariables", 2),
            (std::vector<std::string>{"Core1", "b", ""}));
  EXPECT_EQ(Column("select * from routervariables", 1),
            (std::vector<std::string>{"Saved", "a", ""}));
}

TEST_F(RecordsetTest, MovingOnSavesAPendingEdit) {
  Recordset rs;
  Write(rs, "select * from labs");
  rs.SetField("labname", "First");
  rs.MoveNext();
  rs.SetField("labname", "Second");
  rs.UpdateBatch(adAffectAll);
  EXPECT_EQ(Column("select * from labs", 1),
            (std::vector<std::string>{"First", "Second", "Routing"}));
}

TEST_F(RecordsetTest, AddNewInsertsAndShowsTheStoredRow) {
  Recordset rs;
  Write(rs, "select * from sublab");
  rs.AddNew();
  EXPECT_TRUE(rs.Field(0).IsNull());
  rs.SetField("Index", "9");
  rs.SetField("sublabnane", "Fresh");
  rs.SetField("ref", "03");
  rs.Update();
  EXPECT_EQ(rs.RecordCount(), 4);
  EXPECT_EQ(rs.Field(0).Text(), "9");
  EXPECT_EQ(rs.Field(6).Text(), "3") << "integer columns store numbers";
  EXPECT_TRUE(rs.Field(2).IsNull());
  EXPECT_EQ(Column("select * from sublab", 1),
            (std::vector<std::string>{"ACL seven", "ACL two", "Basics", "Fresh"}));
}

TEST_F(RecordsetTest, DeleteRemovesTheCurrentRowOnly) {
  Recordset rs;
  Write(rs, "select * from labs");
  rs.MoveNext();
  rs.Delete(adAffectCurrent);
  rs.UpdateBatch(adAffectAll);
  EXPECT_THROW(rs.Field(1), DbError);
  EXPECT_EQ(rs.RecordCount(), 2);
  rs.MoveNext();
  EXPECT_EQ(rs.Field(1).Text(), "Routing");
  rs.MovePrevious();
  EXPECT_EQ(rs.Field(1).Text(), "Access Lists");
  EXPECT_EQ(Column("select * from labs", 1), (std::vector<std::string>{"Access Lists", "Routing"}));
}

TEST_F(RecordsetTest, QuotesInValuesAreStoredVerbatim) {
  const std::string nasty = "it's \"x\"'); DROP TABLE labs; --";
  {
    Recordset rs;
    Write(rs, "select * from labs where index = 1");
    rs.SetField("labname", nasty);
    rs.Update();
  }
  EXPECT_EQ(Column("select * from labs where index = 1", 1), std::vector<std::string>{nasty});
  EXPECT_EQ(Column("select * from labs", 0).size(), 3u);
}

TEST_F(RecordsetTest, FailedWriteLeavesNothingBehind) {
  Recordset rs;
  Write(rs, "select * from strict_rows");
  rs.AddNew();
  rs.SetField("b", "orphan");
  EXPECT_THROW(rs.Update(), DbError);
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_TRUE(rs.EOF_());
  EXPECT_TRUE(Column("select * from strict_rows", 1).empty());

  Recordset labs;
  Write(labs, "select * from labs");
  labs.SetField("labname", "Changed");
  Recordset other;
  Write(other, "select * from labs");
  other.Delete(adAffectCurrent);
  EXPECT_THROW(labs.Update(), DbError) << "the row went away under the edit";
  EXPECT_EQ(labs.Field(1).Text(), "Access Lists");
}

}  // namespace
}  // namespace rd::db
