#include "interpreter/mode_command_list.h"

#include <string>
#include <vector>

#include "interpreter/command_tree.h"
#include "interpreter/console_box.h"
#include "interpreter/words.h"

namespace rd {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr size_t kPageLines = 25;  // the heading is the first line of the first page

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t br = text.find(kCrLf); br != std::string::npos; br = text.find(kCrLf, start)) {
    lines.push_back(text.substr(start, br - start));
    start = br + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

// The heading and, for every enabled first word of the mode (exact mode text), the keyword with
// two blanks per character short of 20 and its help text.
std::string ModeList(const Module1& g) {
  std::string list = "list of supported Commands in this mode:";
  for (const interp::FirstWord& w : interp::CommandTree(g).FirstWords(g.gPrompt)) {
    if (w.mode != g.gPrompt || !w.enabled) continue;
    list += kCrLf + w.command + interp::ListingBlanks(w.command, 2) + w.help;
  }
  return list;
}

}  // namespace

void ListModeCommands(App& app) {
  Module1& g = app.g;
  const std::string list = ModeList(g);
  const std::vector<std::string> lines = SplitLines(list);
  if (lines.size() > kPageLines) {
    g.gMorePending = true;
    g.gMoreLines = lines;
    g.gShowOutput.clear();
    for (size_t i = 0; i < kPageLines; ++i) g.gShowOutput += lines[i] + kCrLf;
    g.gShowOutput += "--MORE--";
  } else {
    g.gShowOutput = list;
  }

  forms::TextBox& box = interp::ConsoleBox(app);
  std::string text = box.Text();
  if (g.gScreenRedrawn) {
    text += kCrLf;
    g.gScreenRedrawn = false;
  }
  text += g.gShowOutput;
  g.gShowOutput.clear();
  g.gSyntheticUp = true;
  text += kCrLf + g.gHostName + g.gPrompt;

  interp::SelectAll(box);
  g.gEscapeRedraw = true;
  box.SetSelText(text);
  app.ui.SendKeys("{UP}");
}

}  // namespace rd
