// routedrill-random-sessions: runs random user sessions against the program, in this process,
// for a while, and fails on a session that crashes, hangs, leaves the console without a prompt
// or changes a saved column of the device table (the first one, or each with --keep-going).
// See README ("Random sessions").
//
//   routedrill-random-sessions [--seconds N] [--seed S] [--steps N] [--keep-going]
//   routedrill-random-sessions --session S [--steps N]   replay one session
//   routedrill-random-sessions --replay FILE             run a script's lines
// Every form takes [--hang-seconds N] [--run-dir DIR]; the result is 0 when nothing failed.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "minimize.h"
#include "random.h"
#include "session_runner.h"

namespace {

namespace fs = std::filesystem;
using rd::sessions::SessionResult;
using rd::sessions::SessionRunner;

struct Options {
  int seconds = 30;
  uint64_t seed = 0;
  bool seedGiven = false;
  std::optional<uint64_t> session;
  std::string replay;
  int steps = 60;
  int hangSeconds = 20;
  bool keepGoing = false;
  fs::path runDir;
};

// What a crash or a hang writes before the process ends: the session and its lines so far.
// Kept as one prepared text, since a signal handler may only write it out.
std::string gBlackBox;

void WriteBlackBox(const char* what) {
  const ssize_t a = write(STDOUT_FILENO, what, strlen(what));
  const ssize_t b = write(STDOUT_FILENO, gBlackBox.data(), gBlackBox.size());
  (void)a;
  (void)b;
}

void OnCrash(int signal) {
  WriteBlackBox("\nFAILED: the program crashed in this session:\n");
  ::signal(signal, SIG_DFL);
  raise(signal);
}

void OnHang(int) {
  WriteBlackBox("\nFAILED: a step of this session did not return:\n");
  _exit(3);
}

void WatchOver(const std::string& heading, const std::vector<std::string>& script) {
  std::string box = heading;
  for (const std::string& line : script) box += "  " + line + "\n";
  gBlackBox = std::move(box);
}

std::string SessionHeading(uint64_t seed, const Options& options) {
  std::string replay = "routedrill-random-sessions --session " + std::to_string(seed) +
                       " --steps " + std::to_string(options.steps);
  return "session " + std::to_string(seed) + " (replay: " + replay + ")\n";
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--keep-going") {
      options.keepGoing = true;
      continue;
    }
    if (i + 1 == argc) return false;
    const std::string value = argv[++i];
    try {
      if (arg == "--seconds") {
        options.seconds = std::stoi(value);
      } else if (arg == "--seed") {
        options.seed = std::stoull(value);
        options.seedGiven = true;
      } else if (arg == "--session") {
        options.session = std::stoull(value);
      } else if (arg == "--replay") {
        options.replay = value;
      } else if (arg == "--steps") {
        options.steps = std::max(1, std::stoi(value));
      } else if (arg == "--hang-seconds") {
        options.hangSeconds = std::max(1, std::stoi(value));
      } else if (arg == "--run-dir") {
        options.runDir = value;
      } else {
        return false;
      }
    } catch (const std::exception&) {
      return false;
    }
  }
  return true;
}

// The problem's kind: its text up to the first quoted part, which differs from run to run.
std::string Kind(const std::string& problem) { return problem.substr(0, problem.find('"')); }

// Prints a failed session and the shortest script that fails the same way.
void Report(SessionRunner& runner, const std::string& heading, const SessionResult& failed,
            const Options& options) {
  std::cout << "\nFAILED: " << failed.problem << "\nin " << heading << std::flush;
  const rd::sessions::Script shortest =
      rd::sessions::Minimize(failed.script, [&](const rd::sessions::Script& script) {
        alarm(static_cast<unsigned>(options.hangSeconds));
        const bool same = Kind(runner.RunScript(script).problem) == Kind(failed.problem);
        alarm(0);
        return same;
      });
  std::cout << "shortest script that fails the same way (" << shortest.size() << " of "
            << failed.script.size() << " lines; run it with --replay FILE):\n";
  for (const std::string& line : shortest) std::cout << line << "\n";
}

void PrintMessages(const SessionRunner& runner) {
  std::vector<std::pair<int, std::string>> counted;
  for (const auto& [text, count] : runner.messages()) counted.emplace_back(count, text);
  std::sort(counted.rbegin(), counted.rend());
  if (counted.empty()) return;
  std::cout << "message boxes shown (most frequent first):\n";
  for (size_t i = 0; i < counted.size() && i < 12; ++i) {
    std::cout << "  " << counted[i].first << " x " << counted[i].second << "\n";
  }
}

// Replays one session, or runs a script's lines, and prints the lines run.
int Replay(SessionRunner& runner, const Options& options) {
  std::string heading = "the script " + options.replay + "\n";
  std::vector<std::string> script;
  runner.beforeLine = [&](const std::vector<std::string>& lines) { WatchOver(heading, lines); };
  alarm(static_cast<unsigned>(options.hangSeconds));
  if (options.session) {
    heading = SessionHeading(*options.session, options);
    script = runner.RunRandom(*options.session, options.steps).script;
  } else {
    std::ifstream in(options.replay);
    for (std::string line; std::getline(in, line);) script.push_back(line);
  }
  const SessionResult result = runner.RunScript(script);
  alarm(0);
  for (const std::string& line : result.script) std::cout << line << "\n";
  if (!result.problem.empty()) {
    Report(runner, heading, result, options);
    return 1;
  }
  std::cout << "no problem\n";
  return 0;
}

// Runs random sessions until the time is up (or the first failure, unless keepGoing).
int RunForAWhile(SessionRunner& runner, Options options) {
  if (!options.seedGiven) options.seed = std::random_device{}();
  std::cout << "random sessions for " << options.seconds << " s, run seed " << options.seed
            << std::endl;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
  uint64_t sessions = 0;
  int failures = 0;
  for (; std::chrono::steady_clock::now() < end; ++sessions) {
    const uint64_t seed = rd::sessions::SessionSeed(options.seed, sessions);
    const std::string heading = SessionHeading(seed, options);
    runner.beforeLine = [&](const std::vector<std::string>& lines) { WatchOver(heading, lines); };
    alarm(static_cast<unsigned>(options.hangSeconds));
    const SessionResult result = runner.RunRandom(seed, options.steps);
    alarm(0);
    if (result.problem.empty()) continue;
    Report(runner, heading, result, options);
    ++failures;
    if (!options.keepGoing) return 1;
  }
  std::cout << sessions << " sessions, " << runner.stepsRun() << " steps: "
            << (failures == 0 ? std::string("no problem") : std::to_string(failures) + " failed")
            << "\n";
  PrintMessages(runner);
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << "usage: routedrill-random-sessions [--seconds N] [--seed S] [--steps N] "
                 "[--hang-seconds N] [--keep-going] [--run-dir DIR]"
                 " | --session S | --replay FILE\n";
    return 2;
  }
  if (options.runDir.empty()) {
    std::error_code ec;
    options.runDir = fs::read_symlink("/proc/self/exe", ec).parent_path() / ".." / "run";
  }
  if (!fs::exists(options.runDir / "commandsbackup.mdb")) {
    std::cerr << "no run folder with commandsbackup.mdb at " << options.runDir << "\n";
    return 2;
  }
  for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) ::signal(signal, OnCrash);
  ::signal(SIGALRM, OnHang);
  SessionRunner runner(fs::absolute(options.runDir));
  return options.replay.empty() && !options.session ? RunForAWhile(runner, options)
                                                    : Replay(runner, options);
}
