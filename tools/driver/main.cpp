// routedrill-driver [--workdir DIR] SCRIPT
// Runs the application headless from DIR (default build/run) with a registry store of its own
// unless ROUTEDRILL_CONFIG_DIR names one.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

#include "script_driver.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::string workdir = "build/run";
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--workdir") {
      if (i + 1 == argc) {
        scriptPath.clear();
        break;
      }
      workdir = argv[++i];
    } else if (scriptPath.empty()) {
      scriptPath = arg;
    } else {
      scriptPath.clear();
      break;
    }
  }
  if (scriptPath.empty()) {
    std::cerr << "usage: routedrill-driver [--workdir DIR] SCRIPT\n";
    return 2;
  }
  std::error_code ec;
  std::ifstream script;
  if (fs::is_regular_file(scriptPath, ec)) script.open(fs::absolute(scriptPath));
  if (!script.is_open()) {
    std::cerr << "cannot read script " << scriptPath << "\n";
    return 2;
  }
  fs::current_path(workdir, ec);
  if (ec) {
    std::cerr << "cannot enter " << workdir << ": " << ec.message() << "\n";
    return 2;
  }
  fs::path ownStore;
  if (std::getenv("ROUTEDRILL_CONFIG_DIR") == nullptr) {
    ownStore = fs::temp_directory_path() / ("routedrill-driver-" + std::to_string(getpid()));
    setenv("ROUTEDRILL_CONFIG_DIR", ownStore.c_str(), 1);
  }
  int result = 0;
  {
    rd::driver::ScriptDriver driver(std::cout);
    result = driver.Run(script);
  }
  if (!ownStore.empty()) fs::remove_all(ownStore, ec);
  return result;
}
