// The time of one Enter at the terminal (key handlers, the interpreter, the rewrite of the
// transcript and the keys the console sends itself) early in a session and after a long one,
// on the terminal's small test database.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include "bench_workspace.h"
#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "shell/register_data_source.h"
#include "terminal/terminal_windows.h"

namespace {

// A round of lines typed at "#" that ends at "#" again.
constexpr const char* kRound[] = {"configure terminal", "interface ethernet 0", "exit", "end",
                                  "show history"};
constexpr size_t kRoundSize = std::size(kRound);

// The terminal's small test database, registered as the data source "cmds1", and the logo its
// window shows.
class Workspace {
 public:
  Workspace() : folder_("routedrill-terminal-bench") {
    rd::db::CreateDatabase("commandsbackup.mdb",
                           {RD_SOURCE_DIR "/data/schema.sql",
                            RD_SOURCE_DIR "/tests/scripts/terminal/terminal_fixture.sql"},
                           "Qorva47");
    std::ofstream("simulator-logo.gif", std::ios::binary) << "GIF89a";
    rd::RegisterDataSource("cmds1");
  }

 private:
  BenchWorkspace folder_;
};

class MainWindowStandIn : public rd::forms::Form {
 public:
  explicit MainWindowStandIn(rd::forms::Runtime& rt) : Form(rt, "Form17", "main") {
    FinishDesign();
  }
};

// Argument: the number of commands entered before the measured Enters.
void BM_EnterAfterCommands(benchmark::State& state) {
  Workspace workspace;
  rd::services::ScriptedServices services;
  rd::forms::Runtime runtime(services);
  rd::App app(runtime);
  app.g.gDsnName = "cmds1";
  app.g.gDbPassword = "Qorva47";
  runtime.Register(std::make_unique<MainWindowStandIn>(runtime));
  rd::RegisterTerminalWindows(app);
  runtime.RunEvent([&] { runtime.GetForm("Form2").Show(); });
  runtime.TypeKeys("~enable~");
  size_t next = 0;
  for (int64_t i = 0; i < state.range(0); ++i)
    runtime.TypeKeys(std::string(kRound[next++ % kRoundSize]) + "~");

  for (auto _ : state) {
    runtime.TypeKeys(kRound[next++ % kRoundSize]);
    const auto start = std::chrono::steady_clock::now();
    runtime.TypeKeys("~");
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  const auto& text1 = runtime.Get<rd::forms::Form>("Form2").FindControl("Text1");
  state.counters["transcript_kB"] =
      static_cast<double>(dynamic_cast<rd::forms::TextBox*>(text1)->Text().size()) / 1024.0;
  state.counters["message_boxes"] = static_cast<double>(services.shown.size());
}
BENCHMARK(BM_EnterAfterCommands)
    ->Arg(10)
    ->Arg(2000)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
