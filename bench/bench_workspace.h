// A private working folder for a benchmark: made empty, with its own registry store, and the
// current directory while the object lives; removed afterwards, with the database handles
// opened in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/db/db.h"

class BenchWorkspace {
 public:
  explicit BenchWorkspace(const std::string& name)
      : dir_(std::filesystem::temp_directory_path() / name) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "config");
    setenv("ROUTEDRILL_CONFIG_DIR", (dir_ / "config").c_str(), 1);
    std::filesystem::current_path(dir_);
  }
  ~BenchWorkspace() {
    rd::db::CloseAllEngines();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir_);
  }
  BenchWorkspace(const BenchWorkspace&) = delete;
  BenchWorkspace& operator=(const BenchWorkspace&) = delete;

 private:
  std::filesystem::path dir_;
};
