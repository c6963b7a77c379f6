// "--MORE--" paging of long output: 25 lines a page, Space for the next page, Enter for one
// more line, any other key to stop. Each continuation removes the marker line, the last 10
// characters of the transcript.
#include <algorithm>

#include "terminal/console_text.h"
#include "terminal/form2.h"

namespace rd {
namespace {

constexpr int16_t kPageLines = 25;

// Highest index of the paged lines.
int LastLineIndex(const Module1& g) { return static_cast<int>(g.gMoreLines.size()) - 1; }

}  // namespace

// The first page of an accepted line's output, without a prompt.
void Form2::ShowFirstPage(std::string& t) {
  g_.gMoreLines = forms::SplitCrLfLines(g_.gShowOutput);
  g_.gShowOutput.clear();
  const int last = std::min<int>(kPageLines - 1, LastLineIndex(g_));
  for (int i = 0; i <= last; ++i) g_.gShowOutput += g_.gMoreLines[i] + console::kCrLf;
  g_.gShowOutput += console::kMarker;
  t += ExtraBreak() + g_.gShowOutput;
  g_.gShowOutput.clear();
}

// Space: the next 25 lines, or the rest and a fresh prompt. The box inserts the Space after
// the handler; the Backspace sent here takes it out again where the prompt guard lets it.
void Form2::NextPage() {
  std::string t = console::DropTail(Text1.Text(), console::kMarkerLineLength);
  if (mMoreNoBreak) {
    t += console::kCrLf;
    mMoreNoBreak = false;
  }
  ++mMorePosition;
  for (int i = mMorePosition; i <= mMorePosition + kPageLines - 1; ++i) {
    if (i < 0 || i > LastLineIndex(g_)) {
      g_.gMorePending = false;
      break;
    }
    g_.gShowOutput += g_.gMoreLines[i] + console::kCrLf;
  }
  if (g_.gMorePending) {
    g_.gShowOutput += console::kMarker;
    t += g_.gShowOutput;
    g_.gShowOutput.clear();
    mMorePosition = static_cast<int16_t>(mMorePosition + kPageLines - 1);
    mMoreNoBreak = true;
  } else {
    mMorePosition = kPageLines - 1;
    mPromptRedrawn = true;
    t += g_.gShowOutput + console::Prompt(g_);
    g_.gShowOutput.clear();
    mHistoryDown = 1;
    mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
  }
  g_.gScreenRedrawn = true;
  g_.gSyntheticUp = true;
  console::Rewrite(Text1, t);
  mOwnBackspacePending = true;
  app_.ui.SendKeys("{BACKSPACE}");
}

// Enter: one more line in place of the marker line, or the last line and a fresh prompt.
void Form2::NextLine() {
  ++mMorePosition;
  if (mMorePosition >= 0 && mMorePosition <= LastLineIndex(g_)) {
    g_.gShowOutput += g_.gMoreLines[mMorePosition] + console::kCrLf;
  }
  if (mMorePosition >= LastLineIndex(g_)) {
    g_.gSyntheticUp = true;
    app_.ui.SendKeys("{UP}");
    g_.gShowOutput += console::Prompt(g_);
    g_.gMorePending = false;
    mPromptRedrawn = true;
    mMorePosition = kPageLines - 1;
  } else {
    g_.gShowOutput += console::kMarker;
  }
  std::string added = g_.gShowOutput;
  if (mMoreNoBreak) {
    added = console::kCrLf + added;
    mMoreNoBreak = false;
  }
  g_.gShowOutput.clear();
  g_.gScreenRedrawn = true;
  g_.gSyntheticUp = true;
  // Exactly the marker line is replaced, however short the new text is.
  const int length = static_cast<int>(Text1.Text().size());
  Text1.SetSelStart(std::max(0, length - console::kMarkerLineLength));
  Text1.SetSelLength(console::kMarkerLineLength);
  Text1.SetSelText(added);
  app_.ui.SendKeys("{UP}");
  app_.ui.SendKeys("{END}");
}

// Ends paging without showing more: the marker line gives way to a fresh prompt.
void Form2::CancelPaging() {
  mMorePosition = kPageLines - 1;
  g_.gMorePending = false;
  mMoreNoBreak = false;
  console::Rewrite(Text1, console::DropTail(Text1.Text(), console::kMarkerLineLength) +
                              console::kCrLf + console::Prompt(g_));
  g_.gScreenRedrawn = true;
}

}  // namespace rd
