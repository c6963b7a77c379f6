// Enter in normal mode: the line being typed is found in the transcript, "exit" and empty lines
// are settled here, any other line is stored in the history and handed to the interpreter, and
// what the line did is printed with a fresh prompt.
#include <exception>

#include "console/modes.h"
#include "console/texts.h"
#include "interpreter/run_router_command.h"
#include "platform/services/services.h"
#include "platform/text/ascii.h"
#include "platform/text/words.h"
#include "terminal/form2.h"
#include "terminal/paging.h"

namespace rd {

// The typed command: the line without the prompt, skipped by its length, and trimmed.
std::string Form2::InputCommand(const std::string& line) const {
  return text::TrimBlanks(text::After(line, g_.gHostName.size() + g_.gPrompt.size()));
}

bool Form2::EnterCommand() {
  const std::string& text = console_.Text();
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
    g_.gCommandLine = text::TrimBlanks(g_.gCommandLine);
  }

  const std::string promptBefore = g_.gPrompt;
  bool carriedOut = true;
  switch (LeaveModeByExit()) {
    case ExitResult::LoggedOut:
      return true;
    case ExitResult::Printed:
      break;
    case ExitResult::NotExit:
      if (g_.gCommandLine.empty()) {
        mHistoryDown = 1;
        mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
        interp::PublishFlags({true, true, false, false}, g_);
      } else {
        StoreInHistory();
        carriedOut = Interpret();
      }
      break;
  }

  std::string t = console_.Text();
  if (!carriedOut) {
    // The failure has been shown; the console goes on as after any refused line.
    t += console_.TakeBreak() + Prompt();
  } else if (!PrintResult(t, promptBefore)) {
    return false;
  }
  console_.Rewrite(t);
  console_.Send(console::OwnKey::CaretUp);
  console_.SendEnd();
  g_.gCommandLine = " ";
  return true;
}

// "exit" leaves the mode in the modes the console knows; in any other mode it is an ordinary
// command.
Form2::ExitResult Form2::LeaveModeByExit() {
  if (!ascii::EqualNoCase(g_.gCommandLine, "exit")) return ExitResult::NotExit;
  ExitResult result = ExitResult::Printed;
  if (console::IsSubMode(g_.gPrompt)) {
    g_.gPrompt = "(config)#";
    g_.gCurrentInterface = "nill";
    g_.gResponse = "nill";
  } else if (g_.gPrompt == "(config)#") {
    g_.gPrompt = "#";
    g_.gResponse = console::kConfiguredMessage;
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
  interp::PublishFlags({true, true, false, false}, g_);
  return result;
}

bool Form2::Interpret() {
  interp::LineResult line;
  try {
    db::Connection conn;
    conn.Open(ConnectionString(g_));
    line = RunRouterCommand(conn, g_, app_.ui.svc().Now());
  } catch (const std::exception& e) {
    interp::PublishFlags({}, g_);
    app_.ui.MsgBox(e.what(), services::vbCritical);
    return false;
  }
  interp::ApplyLineResult(line, g_);
  switch (line.config.result) {
    case ConfigResult::Applied:
      break;
    case ConfigResult::AddressInUse:
      g_.gResponse = console::kAddressInUse;
      break;
    case ConfigResult::MissingVariable:
      app_.ui.MsgBox(console::kVariableNotFound + line.config.missingVariable,
                     services::vbExclamation);
      g_.gResponse = "nill";
      break;
  }
  if (line.vtyPassword && *line.vtyPassword != "nill") ArmLinePassword(*line.vtyPassword);
  return true;
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

// Appends what the line did to `t`. False when a password prompt was printed instead of a
// prompt, which ends the Enter there.
bool Form2::PrintResult(std::string& t, const std::string& promptBefore) {
  const std::string prompt = Prompt();
  const auto message = [&](const char* text) {
    t += console_.TakeBreak() + text + console::kCrLf + prompt;
  };
  const interp::ResultFlags flags{g_.gCmdFound, g_.gCmdEnabled, g_.gCmdAmbiguous,
                                  g_.gCmdIncomplete};
  switch (interp::VerdictOf(flags)) {
    case interp::Verdict::NotFound:
      message(console::kNotFound);
      return true;
    case interp::Verdict::Incomplete:
      message(console::kIncomplete);
      return true;
    case interp::Verdict::Ambiguous:
      message(console::kAmbiguous);
      return true;
    case interp::Verdict::Disabled:
      message(console::kDisabled);
      return true;
    case interp::Verdict::Accepted:
      break;
  }
  if (g_.gResponse != "nill") {
    t += console_.TakeBreak() + g_.gResponse + console::kCrLf;
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
  if (g_.gShowReady && paging::NeedsPaging(g_.gShowOutput)) {
    ShowFirstPage(t);
  } else {
    t += console_.TakeBreak() + g_.gShowOutput + prompt;
    g_.gShowOutput.clear();
  }
  return true;
}

}  // namespace rd
