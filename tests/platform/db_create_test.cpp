// Building a database from SQL files: bad SQL is reported by file and line and leaves no file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/db/db.h"
#include "support/test_workdir.h"

namespace rd::db {
namespace {

using rd::test::TestWorkdir;
using ::testing::HasSubstr;

std::string BuildError(const std::vector<std::string>& files) {
  try {
    CreateDatabase("out.mdb", files, "pw");
  } catch (const DbError& e) {
    return e.what();
  }
  return "";
}

class CreateDatabaseTest : public ::testing::Test {
 protected:
  TestWorkdir work_;
};

TEST_F(CreateDatabaseTest, BadSqlNamesFileAndLine) {
  std::ofstream("good.sql") << "CREATE TABLE t (a INTEGER);\n";
  std::ofstream("syntax.sql") << "INSERT INTO t VALUES (1);\n\n/* a\n comment */\n"
                                 "INSERT INTO t\n  VALUES (2,, 3);\n";
  std::ofstream("table.sql") << "-- first line\nINSERT INTO t VALUES (1);\n"
                                "INSERT INTO nowhere VALUES (1);\n";
  std::ofstream("constraint.sql") << "CREATE TABLE u (a INTEGER NOT NULL);\n\n"
                                     "INSERT INTO u VALUES (NULL);\n";
  EXPECT_EQ(BuildError({"good.sql", "syntax.sql"}), "syntax.sql:6: near \",\": syntax error");
  EXPECT_EQ(BuildError({"good.sql", "table.sql"}), "table.sql:3: no such table: nowhere");
  EXPECT_EQ(BuildError({"good.sql", "constraint.sql"}),
            "constraint.sql:3: NOT NULL constraint failed: u.a");
  EXPECT_EQ(BuildError({"good.sql", "absent.sql"}), "absent.sql: can't read the SQL file");
  std::filesystem::create_directory("folder.sql");
  EXPECT_EQ(BuildError({"good.sql", "folder.sql"}), "folder.sql: can't read the SQL file");
  std::filesystem::remove("folder.sql");
  std::ofstream("exact.sql")
      << "CREATE TABLE v (a INTEGER, b TEXT COLLATE NOCASE, c VARCHAR(9));\n";
  EXPECT_EQ(BuildError({"exact.sql"}), "out.mdb: text column v.c must be declared COLLATE NOCASE");
  EXPECT_FALSE(std::filesystem::exists("out.mdb"));
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    EXPECT_EQ(entry.path().extension(), ".sql") << "left behind: " << entry.path();
  }
}

TEST_F(CreateDatabaseTest, ReplacesAnExistingFileOnlyOnSuccess) {
  work_.BuildDatabase({"INSERT INTO labs VALUES (1, 'Old');"});
  std::ofstream("bad.sql") << "INSERT INTO labs VALUES (;\n";
  try {
    work_.BuildDatabase({(work_.path() / "bad.sql").string()});
    FAIL() << "no error";
  } catch (const DbError& e) {
    EXPECT_THAT(e.what(), HasSubstr("bad.sql:1: "));
  }
  Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  {
    Recordset rs;
    rs.Open("select * from labs", conn);
    EXPECT_EQ(rs.Field(1).Text(), "Old");
  }
  work_.BuildDatabase({"INSERT INTO labs VALUES (1, 'New');"});
  conn.Open(TestWorkdir::ConnStr());
  Recordset rs;
  rs.Open("select * from labs", conn);
  EXPECT_EQ(rs.Field(1).Text(), "New");
}

}  // namespace
}  // namespace rd::db
