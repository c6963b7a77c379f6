// The dialect shim quotes the column `index` wherever the program's queries use it as a name and
// leaves everything else as written.
#include "platform/db/dialect.h"

#include <gtest/gtest.h>

namespace rd::db {
namespace {

TEST(DialectTest, QuotesIndexAsAnIdentifier) {
  EXPECT_EQ(
      TranslateSql("SELECT labs.index, labs.labname, sublab.index, sublab.sublabnane FROM "
                   "labs INNER JOIN sublab ON labs.index = sublab.ref order by sublab.index "),
      "SELECT labs.\"index\", labs.labname, sublab.\"index\", sublab.sublabnane FROM labs "
      "INNER JOIN sublab ON labs.\"index\" = sublab.ref order by sublab.\"index\" ");
  EXPECT_EQ(TranslateSql("select * from sublab where index = 3"),
            "select * from sublab where \"index\" = 3");
  EXPECT_EQ(TranslateSql("UPDATE t SET Index=4,INDEX=5"), "UPDATE t SET \"Index\"=4,\"INDEX\"=5");
}

TEST(DialectTest, LeavesLiteralsQuotedNamesCommentsAndOtherWordsAlone) {
  for (const char* sql : {
           "SELECT * from routervariables where Config_Variable = 'index' ",
           "select * from t where a = 'it''s index'",
           "select \"index\", [index], `index` from t",
           "select reindex, index1, my_index, index$ from t",
           "select a -- index\nfrom t /* index */",
           "select * from tblsublabcmds1 where command like 'ind%'",
       }) {
    EXPECT_EQ(TranslateSql(sql), sql);
  }
}

TEST(DialectTest, FindsSingleTableSources) {
  auto found = FindSingleTable("SELECT * from routervariables where Config_Variable = 'x' ");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->table, "routervariables");
  EXPECT_EQ(found->selectList, 7u);
  EXPECT_TRUE(FindSingleTable("select * from sublab"));
  EXPECT_TRUE(FindSingleTable("select a, b from sublab order by b;"));
  EXPECT_TRUE(FindSingleTable("select (select 1 from t) from sublab -- from x join y"));
  found = FindSingleTable("SELECT * from routervariables where Config_Variable = 'a join b' ");
  ASSERT_TRUE(found) << "words in literals don't count";
  EXPECT_EQ(found->table, "routervariables");
  EXPECT_FALSE(FindSingleTable("SELECT * FROM labs INNER JOIN sublab ON labs.\"index\" = 1"));
  EXPECT_FALSE(FindSingleTable("select * from labs, sublab"));
  EXPECT_FALSE(FindSingleTable("select distinct labname from labs"));
  EXPECT_FALSE(FindSingleTable("select ref, count(*) from sublab group by ref"));
  EXPECT_FALSE(FindSingleTable("delete from labs"));
  EXPECT_FALSE(FindSingleTable("select * from labs l"));
  EXPECT_FALSE(FindSingleTable("select * from labs where 1 union select * from labs"));
}

TEST(DialectTest, OrdersJoinsByTheRowIdsOfTheirTablesInTheOrderTheyAreNamed) {
  EXPECT_EQ(InStoredOrder("SELECT sublab.a, comrestble.b FROM (sublab INNER JOIN instructions ON "
                          "sublab.x = instructions.ref) INNER JOIN comrestble ON "
                          "instructions.x = comrestble.ref1"),
            "SELECT sublab.a, comrestble.b FROM (sublab INNER JOIN instructions ON sublab.x = "
            "instructions.ref) INNER JOIN comrestble ON instructions.x = comrestble.ref1 ORDER BY "
            "sublab.rowid, instructions.rowid, comrestble.rowid");
  // An ORDER BY of the query's own comes first; the row ids only settle its ties.
  EXPECT_EQ(InStoredOrder("select * from labs join sublab on labs.x = sublab.ref order by "
                          "sublab.\"index\" "),
            "select * from labs join sublab on labs.x = sublab.ref order by sublab.\"index\", "
            "labs.rowid, sublab.rowid ");
  // Tables by the names the query gives them; a comma in a condition joins nothing.
  EXPECT_EQ(InStoredOrder("select * from labs l left join sublab as s on s.ref in (l.x, 2), t"),
            "select * from labs l left join sublab as s on s.ref in (l.x, 2), t ORDER BY l.rowid, "
            "s.rowid, t.rowid");
  EXPECT_EQ(InStoredOrder("select * from main.labs, sublab where 1 limit 3;"),
            "select * from main.labs, sublab where 1  ORDER BY main.labs.rowid, sublab.rowid "
            "limit 3;");
  EXPECT_EQ(InStoredOrder("select * from labs, sublab; -- the end"),
            "select * from labs, sublab ORDER BY labs.rowid, sublab.rowid; -- the end");
  for (const char* sql : {
           "select * from sublab",
           "select * from sublab order by b",
           "select distinct labs.a from labs, sublab",
           "select ref, count(*) from labs, sublab group by ref",
           "select * from labs, sublab union select * from labs, sublab",
           "select * from labs, (select * from sublab) s",
           "delete from labs",
       }) {
    EXPECT_EQ(InStoredOrder(sql), sql);
  }
}

}  // namespace
}  // namespace rd::db
