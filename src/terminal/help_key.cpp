// "?" on the console: the typed words go to the help routines; the console prints their
// listing and a fresh prompt, and the Up key it sends then types the words again after that
// prompt.
#include "interpreter/context_help.h"
#include "interpreter/mode_command_list.h"
#include "platform/text/words.h"
#include "terminal/form2.h"
#include "terminal/paging.h"

namespace rd {

void Form2::OnQuestionMark() {
  if (AtPasswordPrompt()) {
    console_.Block();
    return;
  }
  if (g_.gMorePending) {
    CancelPaging();
    console_.SendBackspace();
    return;
  }
  // Untrimmed, so that a trailing blank asks for the words that may follow.
  g_.gCommandLine = text::After(console_.TypedLine(), g_.gHostName.size() + g_.gPrompt.size());
  mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
  mHistoryDown = 1;
  db::Connection conn;
  conn.Open(ConnectionString(g_));
  if (g_.gCommandLine.empty()) {
    ShowModeCommands(conn);
    return;
  }
  const HelpListing help = ShowContextHelp(conn, g_, g_.gCommandLine);
  interp::PublishPlaceholders(help.placeholders, g_);
  g_.gHelpWords = help.words;
  g_.gHelpWordCount = help.lastWord;
  g_.gHelpTrailingSpace = help.trailingSpace;
  console_.Rewrite(console_.Text() + console::kCrLf + help.text + console::kCrLf + Prompt());
  console_.Send(console::OwnKey::HelpRetype);
}

// The mode's commands, the first page of them when they are many; the escape redraw job of the
// Up key sent here ends the list with a fresh prompt (or, while paging, with the marker).
void Form2::ShowModeCommands(db::Connection& conn) {
  const std::string list = ListModeCommands(conn, g_.gPrompt);
  std::string shown = list;
  if (paging::NeedsPaging(list)) {
    g_.gMorePending = true;
    g_.gMoreLines = forms::SplitCrLfLines(list);
    shown.clear();
    for (size_t i = 0; i < paging::kPageLines; ++i) shown += g_.gMoreLines[i] + console::kCrLf;
    shown += paging::kMarker;
  }
  console_.Rewrite(console_.Text() + console_.TakeBreak(console::Redrawn::Screen) + shown +
                   console::kCrLf + Prompt());
  console_.Send(console::OwnKey::EscapeRedraw);
}

// Job of the help listing's Up key: the line that holds the "?" gives way to the prompt and the
// words typed before it, with their trailing blank.
void Form2::RetypeHelpLine() {
  const std::string kept = console::WithoutLastLines(console_.Text(), 1);
  console_.MarkRedrawn(console::Redrawn::Prompt);
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
  console_.Forget(console::OwnKey::CaretUp);
  console_.Rewrite(kept + console::kCrLf + Prompt() + words + console::kCrLf);
  console_.SendEnd();
}

}  // namespace rd
