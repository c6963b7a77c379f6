// A throw-away working folder for tests that touch the database or the registry store.
//
//   rd::test::TestWorkdir w;                       // fresh folder, cwd moved into it
//   w.BuildDatabase({"INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');",
//                    RD_SOURCE_DIR "/tests/labs/menus.sql"});
//   conn.Open(rd::test::TestWorkdir::ConnStr());
//
// The constructor makes a new temporary folder, points ROUTEDRILL_CONFIG_DIR at its "config"
// subfolder (so the registry store is private to the test) and makes the folder the current
// working directory. The destructor restores the previous working directory and variable, drops
// cached database handles and removes the folder.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/registry/registry.h"

#ifndef RD_SOURCE_DIR
#error "RD_SOURCE_DIR must name the source tree (the test CMake function defines it)"
#endif

namespace rd::test {

class TestWorkdir {
 public:
  static constexpr const char* kDatabaseName = "commandsbackup.mdb";
  static constexpr const char* kDsnName = "cmds1";
  static constexpr const char* kPassword = "Qorva47";

  TestWorkdir() : oldCwd_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "routedrill-test-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    if (const char* old = std::getenv("ROUTEDRILL_CONFIG_DIR")) oldConfigDir_ = old;
    setenv("ROUTEDRILL_CONFIG_DIR", ConfigDir().c_str(), 1);
    std::filesystem::current_path(dir_);
  }

  ~TestWorkdir() {
    rd::db::CloseAllEngines();
    std::error_code ec;
    std::filesystem::current_path(oldCwd_, ec);
    if (oldConfigDir_) {
      setenv("ROUTEDRILL_CONFIG_DIR", oldConfigDir_->c_str(), 1);
    } else {
      unsetenv("ROUTEDRILL_CONFIG_DIR");
    }
    std::filesystem::remove_all(dir_, ec);
  }

  TestWorkdir(const TestWorkdir&) = delete;
  TestWorkdir& operator=(const TestWorkdir&) = delete;

  // The temporary folder (also the current working directory while the object lives).
  const std::filesystem::path& path() const { return dir_; }
  // The folder of this test's registry store.
  std::string ConfigDir() const { return (dir_ / "config").string(); }

  // The connection string every routine of the program uses.
  static std::string ConnStr() {
    return std::string("DSN=") + kDsnName + ";pwd=" + kPassword + ";";
  }

  // Builds commandsbackup.mdb in the folder from data/schema.sql followed by each fixture in
  // order (replacing any earlier build only when this one succeeds), registers the data source
  // "cmds1" for it and drops cached database handles. A
  // fixture ending in ".sql" is a file (a relative path is taken from the working directory the
  // test started in); anything else is SQL text. Throws rd::db::DbError on bad SQL.
  void BuildDatabase(const std::vector<std::string>& fixtures = {}) {
    std::vector<std::string> files{RD_SOURCE_DIR "/data/schema.sql"};
    for (const std::string& fixture : fixtures) {
      if (fixture.size() >= 4 && fixture.compare(fixture.size() - 4, 4, ".sql") == 0) {
        files.push_back((oldCwd_ / fixture).string());
      } else {
        files.push_back(WriteFixture(fixture));
      }
    }
    rd::db::CreateDatabase((dir_ / kDatabaseName).string(), files, kPassword);
    RegisterDsn(kDatabaseName);
    rd::db::CloseAllEngines();
  }

  // Points the data source "cmds1" at dbq (what a connection reads: the DBQ value).
  static void RegisterDsn(const std::string& dbq) {
    namespace reg = rd::registry;
    reg::HKEY key = 0;
    reg::RegCreateKeyA(reg::HKEY_CURRENT_USER, std::string("SOFTWARE\\ODBC\\ODBC.INI\\") + kDsnName,
                       &key);
    reg::RegSetValueExA(key, "DBQ", 0, reg::REG_SZ, reinterpret_cast<const uint8_t*>(dbq.data()),
                        static_cast<uint32_t>(dbq.size()));
    reg::RegCloseKey(key);
  }

 private:
  std::string WriteFixture(const std::string& sql) {
    std::filesystem::path file = dir_ / ("fixture" + std::to_string(++fixtureCount_) + ".sql");
    std::ofstream(file, std::ios::binary) << sql;
    return file.string();
  }

  std::filesystem::path oldCwd_;
  std::filesystem::path dir_;
  std::optional<std::string> oldConfigDir_;
  int fixtureCount_ = 0;
};

}  // namespace rd::test
