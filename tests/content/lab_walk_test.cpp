// Every shipped exercise can be completed: chosen from the main window's lab menu of the built
// run folder, each is walked from "press enter to begin" to DONE! by typing the expected commands
// of each step in their stored order, switching the console's device in the lab's network
// diagram where a step's device changes, and it scores 10.
#include <filesystem>
#include <map>

#include "app/app_host.h"
#include "content/shipped_content.h"
#include "labs/form25.h"
#include "labs/form27.h"
#include "labs/form28.h"
#include "shell/form17.h"
#include "support/literal_keys.h"

namespace rd::test {
namespace {

namespace fs = std::filesystem;

class LabWalk : public ShippedContent {
 protected:
  // The expected commands of every step with commands of exercise `sublab`, in stored order.
  std::vector<std::pair<Row, std::vector<std::string>>> StepsOf(const std::string& sublab) {
    std::map<std::string, std::vector<std::string>> commands;  // instructions.index -> commands
    for (const Row& r : Rows("SELECT * FROM comrestble")) commands[r[6]].push_back(r[1]);
    std::vector<std::pair<Row, std::vector<std::string>>> steps;
    for (const Row& step : Rows("SELECT * FROM instructions")) {
      if (step[2] == sublab && commands.count(step[0])) steps.emplace_back(step, commands[step[0]]);
    }
    return steps;
  }
};

TEST_F(LabWalk, EveryShippedExerciseReachesDoneWithScoreTen) {
  ASSERT_TRUE(fs::exists(BuiltRunDir() / "commandsbackup.mdb")) << "build the run folder first";
  fs::create_directory("walk");
  fs::current_path("walk");
  fs::copy(BuiltRunDir(), fs::current_path(), fs::copy_options::recursive);
  services::ScriptedServices svc;
  std::unique_ptr<AppHost> host = MakeApp(svc);
  ASSERT_TRUE(host->Start());
  forms::Runtime& ui = host->ui();
  Module1& g = host->app().g;
  Form17& main = host->app().Window<Form17>();
  Form25& lab = host->app().Window<Form25>();
  Form27& diagram = host->app().Window<Form27>();
  auto type = [&](const std::string& keys) {
    if (ui.Focused() != &lab.Text1) ui.RunEvent([&] { lab.Text1.SetFocus(); });
    ui.TypeKeys(keys);
  };

  int walked = 0;
  for (forms::MenuArray* category : {&main.mnusublab, &main.mnuroutsl2, &main.mnuaccess,
                                     &main.mnusw, &main.mnuswcon2, &main.mnuwan2}) {
    for (const int index : category->LoadedIndexes()) {
      if (index == 0) continue;
      const std::string name = (*category)(index).Caption;
      SCOPED_TRACE(name);
      ui.ChooseMenu((*category)(index));
      ASSERT_TRUE(lab.Visible());
      type("~");
      for (const auto& [step, commands] : StepsOf(std::to_string(index))) {
        EXPECT_EQ(lab.Text3.Text(), "    > " + step[1]);
        if (step[5] != g.gCurDevice) {
          ui.Click(lab.Command1);
          ui.DropDownAndChoose(diagram.Combo1, step[5]);
          ui.Click(diagram.Command1);
        }
        for (const std::string& command : commands) {
          const std::string prompt = g.gLabHostName + g.gLabPrompt;
          type(Literal(command) + "~");
          EXPECT_TRUE(g.gLabCmdMatched) << command << " refused at " << prompt;
        }
      }
      EXPECT_TRUE(g.gLabDone);
      EXPECT_NE(lab.Text1.Text().find("DONE!"), std::string::npos);
      ui.Click(lab.Command4);
      EXPECT_EQ(host->app().Window<Form28>().Label3.Caption, " 10");
      ui.Click(host->app().Window<Form28>().Command1);
      ++walked;
    }
  }
  EXPECT_EQ(walked, static_cast<int>(Rows("SELECT * FROM sublab").size()));
  for (const auto& shown : svc.shown) ADD_FAILURE() << shown.kind << ": " << shown.text;
}

}  // namespace
}  // namespace rd::test
