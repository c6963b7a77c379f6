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

}  // namespace
}  // namespace rd::db
