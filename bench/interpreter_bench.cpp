// 1,000 typical command lines through RunRouterCommand on the shipped content database,
// reporting the median time per line.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_workspace.h"
#include "interpreter/run_router_command.h"
#include "platform/db/db.h"
#include "shell/module1.h"
#include "shell/register_data_source.h"

namespace {

namespace fs = std::filesystem;

// One line as the terminal hands it over: the mode and sub-mode object it was typed in.
struct Line {
  const char* prompt;
  const char* iface;
  const char* text;
};

// A student's session on R1: enabling, configuring two interfaces, lines and routing, looking
// at the result, with the usual abbreviations, typos and "?"-less half commands.
const std::vector<Line> kSession = {
    {">", "nill", "enable"},
    {"#", "nill", "show version"},
    {"#", "nill", "conf t"},
    {"(config)#", "nill", "hostname R1"},
    {"(config)#", "nill", "interface ethernet 0"},
    {"(config-if)#", "ethernet0", "ip address 10.1.1.1 255.255.255.0"},
    {"(config-if)#", "ethernet0", "no shutdown"},
    {"(config-if)#", "ethernet0", "description LAN"},
    {"(config-if)#", "ethernet0", "end"},
    {"#", "nill", "sh ip int brief"},
    {"#", "nill", "show running-config"},
    {"#", "nill", "ping 10.1.1.1"},
    {"#", "nill", "sh int e 0"},
    {"#", "nill", "copy run start"},
    {"#", "nill", "configure terminal"},
    {"(config)#", "nill", "int s 0"},
    {"(config-if)#", "serial0", "ip add 192.168.1.1 255.255.255.252"},
    {"(config-if)#", "serial0", "encapsulation ppp"},
    {"(config-if)#", "serial0", "clock rate 64000"},
    {"(config-if)#", "serial0", "no shut"},
    {"(config)#", "nill", "line vty 0 4"},
    {"(config-line)#", "linevty", "password vault"},
    {"(config-line)#", "linevty", "login"},
    {"(config)#", "nill", "enable secret class"},
    {"(config)#", "nill", "ip routing"},
    {"(config)#", "nill", "router rip"},
    {"(router-config)#", "nill", "network 10.0.0.0"},
    {"(config)#", "nill", "access-list 10 permit 10.1.1.0 0.0.0.255"},
    {"(config)#", "nill", "banner motd #Authorised-access-only#"},
    {"#", "nill", "show histroy"},
    {"#", "nill", "sh"},
    {"#", "nill", "c"},
    {"#", "nill", "ping R2"},
    {"#", "nill", "disable"},
};

// A private working folder with a copy of the shipped database and show template, registered
// as the data source, as the program finds it at start-up.
class Workspace {
 public:
  Workspace() : folder_("routedrill-bench") {
    for (const char* file : {"commandsbackup.mdb", "showcommands.txt"}) {
      const fs::path source = fs::path(RD_RUN_DIR) / file;
      if (!fs::exists(source))
        missing_ = source.string();
      else
        fs::copy_file(source, file);
    }
    rd::RegisterDataSource("cmds1");
  }
  // The run-folder file that is missing, if any.
  const std::string& Missing() const { return missing_; }

 private:
  BenchWorkspace folder_;
  std::string missing_;
};

void BM_RunRouterCommand(benchmark::State& state) {
  Workspace workspace;
  if (!workspace.Missing().empty()) {
    state.SkipWithError(("run folder incomplete, missing " + workspace.Missing()).c_str());
    return;
  }
  rd::Module1 g;
  g.gDsnName = "cmds1";
  g.gDbPassword = "Qorva47";
  int missingVariables = 0;

  constexpr size_t kLines = 1000;
  std::vector<double> micros;
  for (auto _ : state) {
    for (size_t i = 0; i < kLines; ++i) {
      const Line& line = kSession[i % kSession.size()];
      g.gDeviceColumn = "R1";
      g.gHostName = "R1";
      g.gPrompt = line.prompt;
      g.gCurrentInterface = line.iface;
      g.gCommandLine = line.text;
      g.gShowOutput.clear();
      // One connection per line, as the console opens one per Enter.
      const auto start = std::chrono::steady_clock::now();
      rd::db::Connection conn;
      conn.Open(rd::ConnectionString(g));
      const rd::interp::LineResult result = rd::RunRouterCommand(conn, g, {10, 0});
      if (result.config.result == rd::ConfigResult::MissingVariable) ++missingVariables;
      micros.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
  state.counters["median_us_per_line"] = micros[micros.size() / 2];
  state.counters["max_us_per_line"] = *std::max_element(micros.begin(), micros.end());
  state.counters["missing_variables"] = missingVariables;
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kLines));
}
BENCHMARK(BM_RunRouterCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
