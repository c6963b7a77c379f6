// The console's key-down handler: it ends the one-keystroke block, keeps the caret at the end
// of the line being typed, recalls commands from the history, ends paging on an arrow key, and
// carries out the job that the program attached to its own Up key.
#include "terminal/console_text.h"
#include "terminal/form2.h"

namespace rd {
namespace {

// Slot `slot` of the history; an empty line outside its slots.
std::string HistorySlot(const Module1& g, int slot) {
  return slot >= 0 && slot < static_cast<int>(g.gHistory.size()) ? g.gHistory[slot] : "";
}

}  // namespace

void Form2::Form2_Text1_KeyDown(int16_t& keyCode, int16_t) {
  Text1.Locked = false;
  switch (keyCode) {
    case forms::vbKeyLeft:
      if (g_.gMorePending) CancelPaging();
      app_.ui.SendKeys("{END}");
      break;
    case forms::vbKeyRight:
      if (g_.gMorePending) {
        CancelPaging();
        app_.ui.SendKeys("{BACKSPACE}");
      } else {
        mRightUpPending = true;
        app_.ui.SendKeys("{UP}");
        app_.ui.SendKeys("{END}");
      }
      break;
    case forms::vbKeyDown:
      if (mOwnDownPending) {
        mOwnDownPending = false;
      } else if (g_.gMorePending) {
        CancelPaging();
        app_.ui.SendKeys("{BACKSPACE}");
      } else {
        RecallDown();
      }
      break;
    case forms::vbKeyDelete:
      Text1.Locked = true;
      break;
    case forms::vbKeyUp:
      OnUpKey();
      break;
    default:
      break;
  }
}

// The rows are tested in this order; the program's own Up keys are recognised by their flags.
void Form2::OnUpKey() {
  if (mDownUpPending) {
    mDownUpPending = false;
  } else if (mRightUpPending) {
    mRightUpPending = false;
  } else if (g_.gEscapeRedraw) {
    RedrawAfterEscape();
  } else if (g_.gHelpRedrawPending) {
    RetypeHelpLine();
  } else if (g_.gPwdCharTyped) {
    EchoPasswordStar();
  } else if (g_.gMorePending && !g_.gSyntheticUp) {
    CancelPaging();
    mOwnDownPending = true;
    app_.ui.SendKeys("{DOWN}");
    app_.ui.SendKeys("{END}");
  } else if (mPromptRedrawn) {
    mPromptRedrawn = false;
    mOwnDownPending = true;
    app_.ui.SendKeys("{DOWN}");
    app_.ui.SendKeys("{END}");
  } else if (g_.gSyntheticUp) {
    g_.gSyntheticUp = false;
  } else {
    RecallUp();
  }
}

// The last line (where the escape's "x" or the "?" landed) gives way to a fresh prompt; while
// paging the list ends with its marker instead.
void Form2::RedrawAfterEscape() {
  g_.gEscapeRedraw = false;
  g_.gSyntheticUp = false;
  std::string t = console::WithoutLastLines(Text1.Text(), 1);
  if (!g_.gMorePending) t += console::kCrLf + console::Prompt(g_);
  t += console::kCrLf;
  console::Rewrite(Text1, t);
  mPromptRedrawn = true;
  app_.ui.SendKeys("{END}");
}

// Up walks from the newest command back to slot 0, an empty line.
void Form2::RecallUp() {
  mHistoryDown = 1;
  const std::string kept = console::WithoutLastLines(Text1.Text(), 2);
  if (mHistoryUp < 0) mHistoryUp = 0;
  console::Rewrite(Text1, kept + console::kCrLf + console::Prompt(g_) +
                              HistorySlot(g_, mHistoryUp) + console::kCrLf);
  --mHistoryUp;
  app_.ui.SendKeys("{END}");
}

// Down walks from the oldest command forward to the empty next slot.
void Form2::RecallDown() {
  mHistoryUp = static_cast<int16_t>(mHistoryNext - 1);
  const std::string kept = console::WithoutLastLines(Text1.Text(), 2);
  if (mHistoryDown > mHistoryNext) mHistoryDown = mHistoryNext;
  console::Rewrite(Text1, kept + console::kCrLf + console::Prompt(g_) +
                              HistorySlot(g_, mHistoryDown) + console::kCrLf);
  ++mHistoryDown;
  mDownUpPending = true;
  app_.ui.SendKeys("{UP}");
  app_.ui.SendKeys("{END}");
}

}  // namespace rd
