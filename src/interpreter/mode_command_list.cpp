#include "interpreter/mode_command_list.h"

#include <string>
#include <vector>

#include "interpreter/command_tree.h"
#include "interpreter/console_box.h"
#include "interpreter/words.h"
#include "platform/forms/crlf_lines.h"

namespace rd {
namespace {

constexpr size_t kPageLines = 25;  // the heading is the first line of the first page

// The heading and, for every enabled first word of the mode (exact mode text), the keyword with
// two blanks per character short of 20 and its help text.
std::string ModeList(const Module1& g) {
  std::string list = "list of supported Commands in this mode:";
  for (const interp::FirstWord& w : interp::CommandTree(g).FirstWords(g.gPrompt)) {
    if (w.mode != g.gPrompt || !w.enabled) continue;
    list += forms::CRLF + w.command + interp::ListingBlanks(w.command, 2) + w.help;
  }
  return list;
}

}  // namespace

void ListModeCommands(App& app) {
  Module1& g = app.g;
  const std::string list = ModeList(g);
  const std::vector<std::string> lines = forms::SplitCrLfLines(list);
  if (lines.size() > kPageLines) {
    g.gMorePending = true;
    g.gMoreLines = lines;
    g.gShowOutput.clear();
    for (size_t i = 0; i < kPageLines; ++i) g.gShowOutput += lines[i] + forms::CRLF;
    g.gShowOutput += "--MORE--";
  } else {
    g.gShowOutput = list;
  }

  forms::TextBox& box = interp::ConsoleBox(app);
  std::string text = box.Text();
  if (g.gScreenRedrawn) {
    text += forms::CRLF;
    g.gScreenRedrawn = false;
  }
  text += g.gShowOutput;
  g.gShowOutput.clear();
  g.gSyntheticUp = true;
  text += forms::CRLF + g.gHostName + g.gPrompt;

  interp::SelectAll(box);
  g.gEscapeRedraw = true;
  box.SetSelText(text);
  app.ui.SendKeys("{UP}");
}

}  // namespace rd
