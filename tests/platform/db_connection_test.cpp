// Opening the database through the data source: name resolution, password, failures and the
// engine cache.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/db/db.h"
#include "support/test_workdir.h"
#include "support/unprivileged.h"

namespace rd::db {
namespace {

using rd::test::TestWorkdir;
using ::testing::HasSubstr;

std::string ErrorOf(const std::string& connStr) {
  try {
    Connection conn;
    conn.Open(connStr, "", "", -1);
  } catch (const DbError& e) {
    return e.what();
  }
  return "";
}

std::string FirstLabName(Connection& conn) {
  Recordset rs;
  rs.Open("select * from labs", conn, adOpenDynamic, adLockUnspecified, -1);
  return rs.EOF_() ? "" : rs.Field(1).Text();
}

class ConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override { work_.BuildDatabase({"INSERT INTO labs VALUES (1, 'Routing');"}); }
  TestWorkdir work_;
};

TEST_F(ConnectionTest, OpensTheFileTheDataSourceNamesRelativeToTheWorkingFolder) {
  Connection conn;
  conn.Open(TestWorkdir::ConnStr(), "", "", -1);
  EXPECT_TRUE(conn.IsOpen());
  EXPECT_EQ(FirstLabName(conn), "Routing");
  conn.Close();
  EXPECT_FALSE(conn.IsOpen());

  Connection spelt;
  spelt.Open(" dsn = cmds1 ;PWD=Qorva47");  // key names ignore case and blanks
  EXPECT_TRUE(spelt.IsOpen());

  std::filesystem::create_directory("elsewhere");
  std::filesystem::current_path("elsewhere");
  EXPECT_THAT(
      ErrorOf(TestWorkdir::ConnStr()),
      HasSubstr((work_.path() / "elsewhere" / "commandsbackup.mdb").string() + "\" not found"));
}

TEST_F(ConnectionTest, FailuresNameTheirCause) {
  EXPECT_THAT(ErrorOf("DSN=cmds1;pwd=qorva47;"), HasSubstr("wrong password"));
  EXPECT_THAT(ErrorOf("DSN=cmds1;"), HasSubstr("wrong password"));
  EXPECT_THAT(ErrorOf("DSN=cmds9;pwd=Qorva47;"),
              HasSubstr("data source \"cmds9\" is not registered"));
  EXPECT_THAT(ErrorOf("pwd=Qorva47;"), HasSubstr("no data source"));

  TestWorkdir::RegisterDsn("missing.mdb");
  EXPECT_THAT(ErrorOf(TestWorkdir::ConnStr()), HasSubstr("missing.mdb\" not found"));

  std::ofstream("junk.mdb") << "this is no database, just text that is long enough to matter\n";
  TestWorkdir::RegisterDsn("junk.mdb");
  EXPECT_THAT(ErrorOf(TestWorkdir::ConnStr()), HasSubstr("junk.mdb\" can't be read"));

  std::filesystem::create_directory("folder.mdb");
  TestWorkdir::RegisterDsn("folder.mdb");
  EXPECT_EQ(ErrorOf(TestWorkdir::ConnStr()),
            "\"" + (work_.path() / "folder.mdb").string() + "\" is a folder, not a database file");
}

// A database file the user may not write opens for reading; a change is refused as read-only,
// naming the file and the table, and nothing is changed.
TEST_F(ConnectionTest, ReadOnlyDatabaseIsReportedAsReadOnly) {
  std::filesystem::permissions("commandsbackup.mdb", std::filesystem::perms(0444));
  std::filesystem::permissions(work_.path(), std::filesystem::perms(0777));
  CloseAllEngines();
  const std::string outcome = test::AsUnprivilegedUser(work_.path(), [] {
    Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    if (FirstLabName(conn) != "Routing") return std::string("the file can't be read");
    Recordset rs;
    rs.LockType = adLockOptimistic;
    rs.Open("select * from labs", conn);
    rs.SetField(1, "Switching");
    try {
      rs.Update();
    } catch (const DbError& e) {
      return std::string(e.what()) + (FirstLabName(conn) == "Routing" ? "" : " (changed)");
    }
    return std::string("saved");
  });
  EXPECT_EQ(outcome, "the database file \"" + (work_.path() / "commandsbackup.mdb").string() +
                         "\" is read-only, so the change to table labs can't be saved; make the "
                         "file and its folder writable");
}

TEST_F(ConnectionTest, EnginesAreSharedUntilTheFileIsReplacedOrDropped) {
  Connection a;
  Connection b;
  a.Open(TestWorkdir::ConnStr());
  b.Open(TestWorkdir::ConnStr());
  EXPECT_EQ(a.engine(), b.engine());

  // Rebuilt behind the cache's back: the next open sees the new file.
  std::ofstream("new.sql") << "INSERT INTO labs VALUES (1, 'Switching');\n";
  CreateDatabase("commandsbackup.mdb", {RD_SOURCE_DIR "/data/schema.sql", "new.sql"}, "Qorva47");
  Connection c;
  c.Open(TestWorkdir::ConnStr());
  EXPECT_NE(c.engine(), a.engine());
  EXPECT_EQ(FirstLabName(c), "Switching");
  EXPECT_EQ(FirstLabName(a), "Routing");  // an open connection keeps the file it opened

  CloseAllEngines();
  Connection d;
  d.Open(TestWorkdir::ConnStr());
  EXPECT_NE(d.engine(), c.engine());
  EXPECT_EQ(FirstLabName(d), "Switching");
}

}  // namespace
}  // namespace rd::db
