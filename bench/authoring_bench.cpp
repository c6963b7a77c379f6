// The administrator's windows on an exercise of 5,000 steps with 10,000 commands: listing its
// commands in the sublab deletion window, listing them in the choice screen and opening one of
// them in the command window, and deleting the exercise with its steps and commands. The time
// should grow with the size of the tables, not with the product of their sizes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "authoring/authoring_windows.h"
#include "authoring/form22.h"
#include "authoring/form23.h"
#include "authoring/form24.h"
#include "bench_workspace.h"
#include "content_library.h"
#include "elapsed.h"
#include "platform/forms/forms.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "shell/form17.h"

namespace {

constexpr LibraryShape kLibrary{1, 5000, 2};
const std::string kExercise = ExerciseName(1);
constexpr const char* kPickedCommand = "5000";  // a command of step 2,500

class AuthoringSession {
 public:
  AuthoringSession() : folder_("routedrill-authoring-bench") {
    BuildLibrary(kLibrary);
    std::filesystem::copy_file("commandsbackup.mdb", "pristine.mdb");
    app_.g.gDsnName = "cmds1";
    app_.g.gDbPassword = kBenchPassword;
    app_.AddWindow(std::make_unique<rd::Form17>(app_));
    rd::RegisterAuthoringWindows(app_);
  }

  // Puts the whole library back in a new file, as before any deletion.
  void Restore() {
    std::filesystem::remove("commandsbackup.mdb");
    std::filesystem::copy_file("pristine.mdb", "commandsbackup.mdb");
  }

  // The sublab deletion window, opened afresh.
  rd::Form24& OpenDeletion() {
    rd::Form24& form = app_.Window<rd::Form24>();
    rt_.RunEvent([&] {
      form.Unload();
      form.Show();
    });
    return form;
  }

  // The choice screen of "DeleteCommand": lists the exercise's commands, takes one of them and
  // opens it in the command window.
  void PickCommand() {
    app_.g.gCommandListMode = true;
    app_.g.gDeleteCommandMode = true;
    rd::Form23& choice = app_.Window<rd::Form23>();
    rt_.RunEvent([&] {
      app_.Window<rd::Form22>().Unload();
      choice.Unload();
      choice.Show();
    });
    rt_.DropDownAndChoose(choice.Combo1, kExercise);
    rt_.RunEvent([&] { choice.Text1.SetText(kPickedCommand); });
    rt_.Click(choice.Command1);
  }

  // Whether the command window shows a command.
  bool CommandShown() { return !app_.Window<rd::Form22>().Text1.Text().empty(); }

  void Choose(rd::Form24& form) { rt_.DropDownAndChoose(form.Combo1, kExercise); }

  void Delete(rd::Form24& form) {
    services_.answers.push_back(rd::services::vbYes);
    rt_.Click(form.Command3);
  }

  // Whether the exercise is still listed for deletion.
  bool Listed(rd::Form24& form) {
    const std::vector<std::string>& items = form.Combo1.Items;
    return std::find(items.begin(), items.end(), kExercise) != items.end();
  }

 private:
  BenchWorkspace folder_;
  rd::services::ScriptedServices services_;
  rd::forms::Runtime rt_{services_};
  rd::App app_{rt_};
};

void BM_ListSublabCommands(benchmark::State& state) {
  AuthoringSession session;
  rd::Form24& form = session.OpenDeletion();
  for (auto _ : state) state.SetIterationTime(Seconds([&] { session.Choose(form); }));
  state.counters["rows"] = form.MSFlexGrid1.Rows() - 1;
}
BENCHMARK(BM_ListSublabCommands)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PickListedCommand(benchmark::State& state) {
  AuthoringSession session;
  for (auto _ : state) state.SetIterationTime(Seconds([&] { session.PickCommand(); }));
  if (!session.CommandShown()) state.SkipWithError("the picked command was not shown");
}
BENCHMARK(BM_PickListedCommand)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DeleteSublab(benchmark::State& state) {
  AuthoringSession session;
  bool deleted = true;
  for (auto _ : state) {
    session.Restore();
    rd::Form24& form = session.OpenDeletion();
    session.Choose(form);
    state.SetIterationTime(Seconds([&] { session.Delete(form); }));
    deleted = !session.Listed(form) && deleted;
  }
  if (!deleted) state.SkipWithError("the exercise was not deleted");
}
BENCHMARK(BM_DeleteSublab)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
