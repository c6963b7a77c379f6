// "?" on the console: the typed words go to the help routines, which print their listing and a
// fresh prompt; the Up key they send then types the words again after that prompt.
#include "interpreter/context_help.h"
#include "interpreter/mode_command_list.h"
#include "terminal/console_text.h"
#include "terminal/form2.h"

namespace rd {

void Form2::OnQuestionMark() {
  if (g_.gPasswordMode || g_.gEnablePasswordMode) {
    Text1.Locked = true;
    return;
  }
  if (g_.gMorePending) {
    CancelPaging();
    app_.ui.SendKeys("{BACKSPACE}");
    return;
  }
  // Untrimmed, so that a trailing blank asks for the words that may follow.
  g_.gCommandLine =
      console::After(console::TypedLine(Text1.Text()), g_.gHostName.size() + g_.gPrompt.size());
  mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
  mHistoryDown = 1;
  if (!g_.gCommandLine.empty()) {
    ShowContextHelp(app_, g_.gCommandLine);
  } else {
    ListModeCommands(app_);
  }
}

// Job of the help routine's Up key: the line that holds the "?" gives way to the prompt and the
// words typed before it, with their trailing blank.
void Form2::RetypeHelpLine() {
  g_.gHelpRedrawPending = false;
  const std::string kept = console::WithoutLastLines(Text1.Text(), 1);
  mPromptRedrawn = true;
  std::string words;
  for (int16_t i = 0; i <= g_.gHelpWordCount && i < static_cast<int16_t>(g_.gHelpWords.size());
       ++i) {
    if (i > 0) words += " ";
    words += g_.gHelpWords[i];
  }
  if (g_.gHelpTrailingSpace) {
    words += " ";
    g_.gHelpTrailingSpace = false;
  }
  g_.gSyntheticUp = false;
  console::Rewrite(Text1, kept + console::kCrLf + console::Prompt(g_) + words + console::kCrLf);
  app_.ui.SendKeys("{END}");
}

}  // namespace rd
