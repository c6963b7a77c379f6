#include "session_runner.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "action_chooser.h"
#include "driver/script_driver.h"
#include "platform/db/db.h"
#include "session_checks.h"

namespace rd::sessions {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDatabase = "commandsbackup.mdb";

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

SessionRunner::SessionRunner(const fs::path& runFolder) {
  std::string pattern = (fs::temp_directory_path() / "routedrill-sessions-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("can't make a temporary folder");
  folder_ = pattern;
  fs::copy(runFolder, folder_ / "run", fs::copy_options::recursive);
  fs::create_directories(folder_ / "home");
  setenv("ROUTEDRILL_CONFIG_DIR", (folder_ / "config").c_str(), 1);
  setenv("HOME", (folder_ / "home").c_str(), 1);
  fs::current_path(folder_ / "run");
  pristineDatabase_ = ReadBytes(kDatabase);
  savedColumns_ = SavedColumns(kDatabase);
  lines_ = std::make_unique<CommandLines>(kDatabase);
  files_ = std::make_unique<FileAnswers>(".");
}

SessionRunner::~SessionRunner() {
  std::error_code ec;
  fs::current_path(folder_.parent_path(), ec);
  fs::remove_all(folder_, ec);
}

// The database as shipped, as a new file (cached handles see it is another), and no saves.
void SessionRunner::Reset() {
  db::CloseAllEngines();
  std::ofstream(std::string(kDatabase) + ".new", std::ios::binary) << pristineDatabase_;
  fs::rename(std::string(kDatabase) + ".new", kDatabase);
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("saves", ec)) fs::remove_all(entry.path(), ec);
}

SessionResult SessionRunner::RunRandom(uint64_t seed, int steps) {
  Random random(seed);
  const int length = random.Between(1, steps);
  ActionChooser chooser(*lines_, *files_);
  int step = 0;
  return Run([&](App& app) -> std::optional<std::vector<std::string>> {
    if (step++ == length) return std::nullopt;
    return chooser.Next(random, app);
  });
}

SessionResult SessionRunner::RunScript(const std::vector<std::string>& script) {
  size_t next = 0;
  return Run([&](App&) -> std::optional<std::vector<std::string>> {
    if (next == script.size()) return std::nullopt;
    return std::vector<std::string>{script[next++]};
  });
}

SessionResult SessionRunner::Run(const NextLines& next) {
  Reset();
  std::ostringstream transcript;
  driver::ScriptDriver driver(transcript);
  driver.Start();
  SessionResult result;
  App& app = driver.host().app();
  std::set<std::string> hosts;
  while (driver.host().ui().AnyLoaded() && result.problem.empty()) {
    const std::optional<std::vector<std::string>> lines = next(app);
    if (!lines) break;
    for (const std::string& line : *lines) {
      result.script.push_back(line);
      if (beforeLine) beforeLine(result.script);
      ++steps_;
      if (const std::string error = driver.RunLine(line); !error.empty()) {
        result.problem = "the driver refused the line: " + error;
        break;
      }
    }
    if (result.problem.empty()) result.problem = ConsoleProblem(app, hosts, lines_->Modes());
    if (result.problem.empty() && SavedColumns(kDatabase) != savedColumns_) {
      result.problem = "the saved columns of routervariables changed";
    }
  }
  for (const services::ScriptedServices::Shown& shown : driver.services().shown) {
    if (shown.kind == "MSGBOX")
      ++messages_[shown.text.substr(0, shown.text.find('\n')).substr(0, 150)];
  }
  return result;
}

}  // namespace rd::sessions
