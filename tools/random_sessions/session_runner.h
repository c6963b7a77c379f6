// Runs sessions against the program in this process, in a private copy of the run folder that
// is reset before each session, and checks after every step what must hold (session_checks.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command_lines.h"
#include "file_answers.h"
#include "shell/app.h"

namespace rd::sessions {

struct SessionResult {
  std::string problem;              // what went wrong; "" when the session held up
  std::vector<std::string> script;  // the driver lines run, the failing one last
};

class SessionRunner {
 public:
  // Copies runFolder into a new temporary folder and works there from now on (working
  // directory, registry store and home folder of this process).
  explicit SessionRunner(const std::filesystem::path& runFolder);
  ~SessionRunner();
  SessionRunner(const SessionRunner&) = delete;
  SessionRunner& operator=(const SessionRunner&) = delete;

  // A random session of at most `steps` actions, chosen from `seed`.
  SessionResult RunRandom(uint64_t seed, int steps);
  // The given lines as a session, stopped at the first problem.
  SessionResult RunScript(const std::vector<std::string>& script);

  // Called before each line runs with the session so far and that line, for a report that
  // must be written even when the line never returns.
  std::function<void(const std::vector<std::string>& script)> beforeLine;
  // How often each message box text (its first line) was shown, over all sessions.
  const std::map<std::string, int>& messages() const { return messages_; }
  int stepsRun() const { return steps_; }

 private:
  using NextLines = std::function<std::optional<std::vector<std::string>>(App&)>;
  SessionResult Run(const NextLines& next);
  void Reset();

  std::filesystem::path folder_;
  std::string pristineDatabase_;
  std::string savedColumns_;
  std::unique_ptr<CommandLines> lines_;
  std::unique_ptr<FileAnswers> files_;
  std::map<std::string, int> messages_;
  int steps_ = 0;
};

}  // namespace rd::sessions
