// "--MORE--" paging of long output: 25 lines a page, Space for the next page, Enter for one
// more line, any other key to stop. Each continuation removes the marker line, the last 10
// characters of the transcript.
#include <algorithm>

#include "platform/text/words.h"
#include "terminal/form2.h"
#include "terminal/paging.h"

namespace rd {
namespace {

// Highest index of the paged lines.
int LastLineIndex(const Module1& g) { return static_cast<int>(g.gMoreLines.size()) - 1; }

}  // namespace

bool paging::NeedsPaging(const std::string& output) {
  return forms::SplitCrLfLines(output).size() > kPageLines;
}

// The first page of an accepted line's output, without a prompt.
void Form2::ShowFirstPage(std::string& t) {
  g_.gMorePending = true;
  g_.gMoreLines = forms::SplitCrLfLines(g_.gShowOutput);
  g_.gShowOutput.clear();
  const int last = std::min<int>(paging::kPageLines - 1, LastLineIndex(g_));
  for (int i = 0; i <= last; ++i) g_.gShowOutput += g_.gMoreLines[i] + console::kCrLf;
  g_.gShowOutput += paging::kMarker;
  t += console_.TakeBreak() + g_.gShowOutput;
  g_.gShowOutput.clear();
}

// Space: the next 25 lines, or the rest and a fresh prompt. The box inserts the Space after
// the handler; the Backspace sent here takes it out again, past the prompt guard.
void Form2::NextPage() {
  std::string t = text::DropTail(console_.Text(), paging::kMarkerLineLength);
  if (mMoreNoBreak) {
    t += console::kCrLf;
    mMoreNoBreak = false;
  }
  ++mMorePosition;
  for (int i = mMorePosition; i <= mMorePosition + static_cast<int>(paging::kPageLines) - 1; ++i) {
    if (i < 0 || i > LastLineIndex(g_)) {
      g_.gMorePending = false;
      break;
    }
    g_.gShowOutput += g_.gMoreLines[i] + console::kCrLf;
  }
  if (g_.gMorePending) {
    g_.gShowOutput += paging::kMarker;
    t += g_.gShowOutput;
    g_.gShowOutput.clear();
    mMorePosition = static_cast<int16_t>(mMorePosition + paging::kPageLines - 1);
    mMoreNoBreak = true;
  } else {
    mMorePosition = paging::kFirstPageEnd;
    console_.MarkRedrawn(console::Redrawn::Prompt);
    t += g_.gShowOutput + Prompt();
    g_.gShowOutput.clear();
    mHistoryDown = 1;
    mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
  }
  console_.MarkRedrawn(console::Redrawn::Screen);
  console_.Rewrite(t);
  console_.Send(console::OwnKey::EraseTyped);
}

// Enter: one more line in place of the marker line, or the last line and a fresh prompt.
void Form2::NextLine() {
  ++mMorePosition;
  if (mMorePosition >= 0 && mMorePosition <= LastLineIndex(g_)) {
    g_.gShowOutput += g_.gMoreLines[mMorePosition] + console::kCrLf;
  }
  if (mMorePosition >= LastLineIndex(g_)) {
    console_.Send(console::OwnKey::CaretUp);
    g_.gShowOutput += Prompt();
    g_.gMorePending = false;
    console_.MarkRedrawn(console::Redrawn::Prompt);
    mMorePosition = paging::kFirstPageEnd;
  } else {
    g_.gShowOutput += paging::kMarker;
  }
  std::string added = g_.gShowOutput;
  if (mMoreNoBreak) {
    added = console::kCrLf + added;
    mMoreNoBreak = false;
  }
  g_.gShowOutput.clear();
  console_.MarkRedrawn(console::Redrawn::Screen);
  // Exactly the marker line is replaced, however short the new text is.
  console_.ReplaceTail(paging::kMarkerLineLength, added);
  console_.Send(console::OwnKey::CaretUp);
  console_.SendEnd();
}

// Ends paging without showing more: the marker line gives way to a fresh prompt.
void Form2::CancelPaging() {
  ResetPaging();
  console_.Rewrite(text::DropTail(console_.Text(), paging::kMarkerLineLength) + console::kCrLf +
                   Prompt());
  console_.MarkRedrawn(console::Redrawn::Screen);
}

void Form2::ResetPaging() {
  mMorePosition = paging::kFirstPageEnd;
  g_.gMorePending = false;
  mMoreNoBreak = false;
}

}  // namespace rd
