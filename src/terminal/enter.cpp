// Enter in normal mode: the line being typed is found in the transcript, "exit" and empty lines
// are settled here, any other line is stored in the history and handed to the interpreter, and
// the result is printed with a fresh prompt.
#include "device/device_state.h"
#include "interpreter/run_router_command.h"
#include "terminal/console_text.h"
#include "terminal/form2.h"

namespace rd {
namespace {

constexpr const char* kConfiguredMessage = "%SYS-5-CONFIG_I: Configured from console by console";

bool IsSubMode(const std::string& prompt) {
  for (const char* mode : {"(config-if)#", "(config-line)#", "(config-subif)#",
                           "(config-controller)#", "(config-ext-nacl)#", "(router-config)#"}) {
    if (prompt == mode) return true;
  }
  return false;
}

}  // namespace

// The typed command: the line without the prompt, skipped by its length, and trimmed.
std::string Form2::InputCommand(const std::string& line) const {
  return console::TrimBlanks(console::After(line, g_.gHostName.size() + g_.gPrompt.size()));
}

bool Form2::EnterCommand() {
  const std::string& text = Text1.Text();
  const auto beginsWithHost = [this](const std::string& line) {
    return line.compare(0, g_.gHostName.size(), g_.gHostName) == 0;
  };
  const std::string last = console::LineFromEnd(text, 0);
  const std::string beforeLast = console::LineFromEnd(text, 1);
  if (!last.empty() && beginsWithHost(last)) {
    g_.gCommandLine = InputCommand(last);
  } else if (beginsWithHost(beforeLast)) {
    g_.gCommandLine = InputCommand(beforeLast);
  } else {
    // No line to read: the blank left by the last Enter (or the line a "?" stored since)
    // stands for the command.
    g_.gCommandLine = console::TrimBlanks(g_.gCommandLine);
  }

  const std::string promptBefore = g_.gPrompt;
  switch (LeaveModeByExit()) {
    case ExitResult::LoggedOut:
      return true;
    case ExitResult::Printed:
      break;
    case ExitResult::NotExit:
      if (g_.gCommandLine.empty()) {
        mHistoryDown = 1;
        mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
        g_.gCmdFound = true;
        g_.gCmdEnabled = true;
      } else {
        StoreInHistory();
        RunRouterCommand(app_);
      }
      break;
  }

  std::string t = Text1.Text();
  if (!PrintResult(t, promptBefore)) return false;
  g_.gSyntheticUp = true;
  console::Rewrite(Text1, t);
  app_.ui.SendKeys("{UP}");
  app_.ui.SendKeys("{END}");
  g_.gCommandLine = " ";
  return true;
}

// "exit" leaves the mode in the modes the console knows; in any other mode it is an ordinary
// command.
Form2::ExitResult Form2::LeaveModeByExit() {
  if (!EqualsNoCase(g_.gCommandLine, "exit")) return ExitResult::NotExit;
  ExitResult result = ExitResult::Printed;
  if (IsSubMode(g_.gPrompt)) {
    g_.gPrompt = "(config)#";
    g_.gCurrentInterface = "nill";
    g_.gResponse = "nill";
  } else if (g_.gPrompt == "(config)#") {
    g_.gPrompt = "#";
    g_.gResponse = kConfiguredMessage;
  } else if (g_.gPrompt == "#") {
    g_.gPrompt = ">";
    g_.gResponse = "nill";
  } else if (g_.gPrompt == ">") {
    mLogoutPending = true;
    g_.gResponse = "nill";
    result = ExitResult::LoggedOut;
  } else {
    return ExitResult::NotExit;
  }
  g_.gCmdFound = true;
  g_.gCmdEnabled = true;
  return result;
}

// Ten slots; the eleventh command drops the oldest.
void Form2::StoreInHistory() {
  if (mHistoryNext > 10) {
    for (int k = 2; k <= 10; ++k) g_.gHistory[k - 1] = g_.gHistory[k];
    mHistoryNext = 10;
  }
  g_.gHistory[mHistoryNext] = g_.gCommandLine;
  mHistoryUp = mHistoryNext;
  ++mHistoryNext;
  mHistoryDown = 1;
}

// One line break in front of the next output when a redraw left a fresh prompt line.
std::string Form2::ExtraBreak() {
  if (!mPromptRedrawn && !g_.gScreenRedrawn) return "";
  mPromptRedrawn = false;
  g_.gScreenRedrawn = false;
  return console::kCrLf;
}

// Appends the interpreter's result to `t`. False when a password prompt was printed instead of
// a prompt, which ends the Enter there.
bool Form2::PrintResult(std::string& t, const std::string& promptBefore) {
  const std::string prompt = console::Prompt(g_);
  const auto message = [&](const char* text) {
    t += ExtraBreak() + text + console::kCrLf + prompt;
  };
  if (!g_.gCmdFound) {
    message("Command Not Found");
  } else if (g_.gCmdIncomplete) {
    message("incomplete command");
    g_.gCmdIncomplete = false;
  } else if (g_.gCmdAmbiguous) {
    message("ambigious command");
    g_.gCmdAmbiguous = false;
  } else if (!g_.gCmdEnabled) {
    message("command is disabled");
  } else {
    if (g_.gResponse != "nill") {
      t += ExtraBreak() + g_.gResponse + console::kCrLf;
      g_.gResponse = "nill";
    }
    // The enable password is asked once per session, by the line that enters the privileged
    // mode.
    if (mEnablePasswordSet && promptBefore == ">" && g_.gPrompt == "#") {
      AskEnablePassword(t);
      return false;
    }
    if (g_.gTelnetLoginPending) {
      AskTelnetPassword(t);
      return false;
    }
    if (g_.gShowReady && g_.gMorePending) {
      ShowFirstPage(t);
    } else {
      t += ExtraBreak() + g_.gShowOutput + prompt;
      g_.gShowOutput.clear();
    }
  }
  return true;
}

}  // namespace rd
