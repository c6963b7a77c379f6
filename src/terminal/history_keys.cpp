// The console's key-down handler: it ends the one-keystroke block, keeps the caret at the end
// of the line being typed, recalls commands from the history, ends paging on an arrow key, and
// carries out the job that the program attached to its own Up key.
#include "terminal/form2.h"

namespace rd {
namespace {

using console::OwnKey;

// Slot `slot` of the history; an empty line outside its slots.
std::string HistorySlot(const Module1& g, int slot) {
  return slot >= 0 && slot < static_cast<int>(g.gHistory.size()) ? g.gHistory[slot] : "";
}

// The transcript without the line being typed: the prompt line, and the empty line after it
// when an Enter left one. After a redraw that ended with a prompt (paging, Ctrl+Z) the prompt
// line is the last one, and the output above it stays.
std::string WithoutTypedLine(const std::string& text) {
  return console::WithoutLastLines(text, console::LineFromEnd(text, 0).empty() ? 2 : 1);
}

}  // namespace

void Form2::Form2_Text1_KeyDown(int16_t& keyCode, int16_t shift) {
  console_.Unblock();
  console::DropCaretJump(keyCode, shift);
  switch (keyCode) {
    case forms::vbKeyLeft:
      if (g_.gMorePending) CancelPaging();
      console_.SendEnd();
      break;
    case forms::vbKeyRight:
      if (g_.gMorePending) {
        CancelPaging();
        console_.SendBackspace();
      } else {
        console_.ReturnToTypedLine(OwnKey::RightUp);
      }
      break;
    case forms::vbKeyDown:
      if (console_.Take(OwnKey::UndoUp)) break;
      if (g_.gMorePending) {
        CancelPaging();
        console_.SendBackspace();
      } else {
        RecallDown();
      }
      break;
    case forms::vbKeyDelete:
      console_.Block();
      break;
    case forms::vbKeyUp:
      OnUpKey();
      break;
    default:
      break;
  }
  PublishConsoleState();
}

// The rows are tested in this order; the program's own Up keys are recognised by their jobs.
void Form2::OnUpKey() {
  if (console_.Take(OwnKey::DownUp) || console_.Take(OwnKey::RightUp)) return;
  if (console_.Take(OwnKey::EscapeRedraw)) {
    RedrawAfterEscape();
  } else if (console_.Take(OwnKey::HelpRetype)) {
    RetypeHelpLine();
  } else if (console_.Pending(OwnKey::PasswordStar)) {
    EchoPasswordStar();
  } else if (g_.gMorePending && !console_.Pending(OwnKey::CaretUp)) {
    CancelPaging();
    console_.Send(OwnKey::UndoUp);
    console_.SendEnd();
  } else if (console_.IsRedrawn(console::Redrawn::Prompt)) {
    console_.TakeBreak(console::Redrawn::Prompt);
    console_.Send(OwnKey::UndoUp);
    console_.SendEnd();
  } else if (!console_.Take(OwnKey::CaretUp)) {
    RecallUp();
  }
}

// The last line (where the escape's "x" or the "?" landed) gives way to a fresh prompt; while
// paging the list ends with its marker instead.
void Form2::RedrawAfterEscape() {
  console_.Forget(OwnKey::CaretUp);
  std::string t = console::WithoutLastLines(console_.Text(), 1);
  if (!g_.gMorePending) t += console::kCrLf + Prompt();
  t += console::kCrLf;
  console_.Rewrite(t);
  console_.MarkRedrawn(console::Redrawn::Prompt);
  console_.SendEnd();
}

// Up walks from the newest command back to slot 0, an empty line.
void Form2::RecallUp() {
  mHistoryDown = 1;
  const std::string kept = WithoutTypedLine(console_.Text());
  if (mHistoryUp < 0) mHistoryUp = 0;
  console_.Rewrite(kept + console::kCrLf + Prompt() + HistorySlot(g_, mHistoryUp) + console::kCrLf);
  --mHistoryUp;
  console_.SendEnd();
}

// Down walks from the oldest command forward to the empty next slot.
void Form2::RecallDown() {
  mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
  const std::string kept = WithoutTypedLine(console_.Text());
  if (mHistoryDown > mHistoryNext) mHistoryDown = mHistoryNext;
  console_.Rewrite(kept + console::kCrLf + Prompt() + HistorySlot(g_, mHistoryDown) +
                   console::kCrLf);
  ++mHistoryDown;
  console_.Send(OwnKey::DownUp);
  console_.SendEnd();
}

}  // namespace rd
