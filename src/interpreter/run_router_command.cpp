#include "interpreter/run_router_command.h"

#include "interpreter/command_tree.h"
#include "interpreter/config_write.h"

namespace rd {

void RunRouterCommand(App& app) {
  Module1& g = app.g;
  g.gPlaceholderCount = 0;
  g.gCmdFound = false;
  g.gCmdAmbiguous = false;
  g.gCmdEnabled = false;
  g.gCmdIncomplete = false;
  if (g.gCommandLine.find(' ') != std::string::npos) {
    RunMultiWordCommand(app);
    return;
  }

  const std::string typed = g.gCommandLine;
  g.gCommandLine += "%";  // the line keeps its pattern mark for the rest of this command
  interp::CommandTree tree(g);
  const std::vector<interp::FirstWord> matches =
      interp::Abbreviated(tree.FirstWords(g.gPrompt), typed);
  if (matches.empty()) return;
  g.gCmdFound = true;
  if (matches.size() > 1) {
    g.gCmdAmbiguous = true;
    return;
  }

  const interp::FirstWord& word = matches.back();
  if (word.moreWords) {
    g.gCmdIncomplete = true;
    return;
  }
  if (!word.enabled) return;
  g.gCmdEnabled = true;
  g.gPrompt = word.nextPrompt;
  g.gResponse = word.response;
  if (g.gPrompt != "(config-if)#") g.gCurrentInterface = "nill";
  if (word.writesConfig) interp::WriteConfig(app, word, word.command);
}

}  // namespace rd
