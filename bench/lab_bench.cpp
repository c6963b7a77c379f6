// The guided lab on a library of 300 exercises of 10 steps of 10 commands (30,000 commands):
// opening an exercise (the lab window's load and the first Enter), the same followed by 20
// accepted commands, and one accepted command typed at the lab console. The time should not
// grow with the product of the tables' sizes.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_workspace.h"
#include "content_library.h"
#include "elapsed.h"
#include "labs/form25.h"
#include "labs/lab_windows.h"
#include "platform/forms/forms.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "shell/form17.h"
#include "terminal/terminal_windows.h"

namespace {

constexpr LibraryShape kLibrary{300, 10, 10};
constexpr int kExercise = 150;  // in the middle of the library

class LabSession {
 public:
  LabSession() : folder_("routedrill-lab-bench") {
    BuildLibrary(kLibrary);
    app_.g.gDsnName = "cmds1";
    app_.g.gDbPassword = kBenchPassword;
    app_.AddWindow(std::make_unique<rd::Form17>(app_));
    rd::RegisterTerminalWindows(app_);
    rd::RegisterLabWindows(app_);
  }

  // Opens the exercise as the main window's lab menu does and presses Enter to begin.
  void Open() {
    app_.g.gSublabName = ExerciseName(kExercise);
    rt_.RunEvent([this] {
      rd::Form25& lab = app_.Window<rd::Form25>();
      lab.Unload();
      lab.Load();
      lab.Show();
    });
    rt_.TypeKeys("~");
    next_ = 0;
  }

  // The next expected command of the exercise, typed but not yet entered; after the last one
  // the exercise is opened afresh.
  void TypeNextCommand() {
    if (next_ == kLibrary.steps * kLibrary.commands) Open();
    const int step = next_ / kLibrary.commands + 1;
    const int command = next_ % kLibrary.commands + 1;
    rt_.TypeKeys(CommandText(kExercise, step, command));
    ++next_;
  }

  // Enters the typed line; false when the lab did not accept it.
  bool Enter() {
    rt_.TypeKeys("~");
    return app_.g.gLabCmdMatched;
  }

  const rd::services::ScriptedServices& services() const { return services_; }

 private:
  BenchWorkspace folder_;
  rd::services::ScriptedServices services_;
  rd::forms::Runtime rt_{services_};
  rd::App app_{rt_};
  int next_ = 0;
};

// Argument: the number of accepted commands typed after the opening.
void BM_OpenExercise(benchmark::State& state) {
  LabSession session;
  bool accepted = true;
  for (auto _ : state) {
    state.SetIterationTime(Seconds([&] {
      session.Open();
      for (int64_t i = 0; i < state.range(0); ++i) {
        session.TypeNextCommand();
        accepted = session.Enter() && accepted;
      }
    }));
  }
  if (!accepted) state.SkipWithError("a command was not accepted");
  state.counters["message_boxes"] = static_cast<double>(session.services().shown.size());
}
BENCHMARK(BM_OpenExercise)->Arg(0)->Arg(20)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_AcceptedCommand(benchmark::State& state) {
  LabSession session;
  session.Open();
  bool accepted = true;
  for (auto _ : state) {
    session.TypeNextCommand();
    state.SetIterationTime(Seconds([&] { accepted = session.Enter() && accepted; }));
  }
  if (!accepted) state.SkipWithError("a command was not accepted");
  state.counters["message_boxes"] = static_cast<double>(session.services().shown.size());
}
BENCHMARK(BM_AcceptedCommand)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
