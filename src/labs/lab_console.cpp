// The lab console: a reduced twin of the terminal's console on the same console component. The
// transcript is the box's text and ends, between keys, with a line break after the prompt line;
// Enter hands the text after the prompt to the lab engine and prints what it accepted, or
// "command not found". There is no login, history, help or pager here.
#include <string>

#include "console/modes.h"
#include "console/texts.h"
#include "labs/form25.h"
#include "platform/text/words.h"

namespace rd {
namespace {

using console::OwnKey;
using console::Redrawn;

constexpr int16_t kEnter = 13;
constexpr int16_t kCtrlZ = 26;
constexpr int16_t kBackspace = 8;
constexpr int kRightButton = 2;

constexpr const char* kNotFound = "command not found";

// The closing block after the last command of the exercise.
std::string ClosingBlock() {
  const std::string crlf = console::kCrLf;
  return crlf + crlf + crlf + crlf + std::string(42, ' ') + "DONE!" + crlf + std::string(25, ' ') +
         "CLick on Score & exit to view score";
}

}  // namespace

std::string Form25::Prompt() const { return g_.gLabHostName + g_.gLabPrompt; }

void Form25::Text1_KeyPress(int32_t& keyAscii) {
  switch (keyAscii) {
    case kEnter:
      if (g_.gLabWaitingEnter) {
        BeginSession();
      } else {
        EnterLine();
      }
      break;
    case kCtrlZ:
      OnCtrlZ();
      break;
    case kBackspace:
      console_.GuardPrompt(Prompt());
      break;
    default:
      break;
  }
}

// The first Enter draws the first prompt; what was typed before it stays on the first line.
void Form25::BeginSession() {
  console_.Rewrite(console_.Text() + console::kCrLf + Prompt());
  console_.Send(OwnKey::CaretUp);
  console_.SendEnd();
  g_.gLabWaitingEnter = false;
}

// The line after the prompt, untrimmed, goes to the engine; the prompt is skipped by its length,
// not compared, and a line shorter than the prompt is an empty command.
void Form25::EnterLine() {
  g_.gLabCommandLine = text::After(console_.TypedLine(), Prompt().size());
  {
    db::Connection conn;
    conn.Open(ConnectionString(g_), "", "", -1);
    ShowStepChange(CheckLabCommand(app_, conn, mSublabIndex));
  }
  if (g_.gLabDone) {
    PrintClosingBlock();
    return;
  }
  std::string t = console_.Text();
  const std::string extraBreak = console_.TakeBreak(Redrawn::Screen);
  if (!g_.gLabCmdMatched) {
    t += extraBreak + kNotFound + console::kCrLf + Prompt();
    if (!extraBreak.empty()) g_.gLabResponse.clear();
  } else if (g_.gLabNoResponse) {
    t += extraBreak + Prompt();
  } else {
    t += extraBreak + g_.gLabResponse + console::kCrLf + Prompt();
    g_.gLabResponse.clear();
  }
  console_.Rewrite(t);
  console_.Send(OwnKey::CaretUp);
  console_.SendEnd();
}

// Every key is refused from now on; the clock is hidden but keeps counting.
void Form25::PrintClosingBlock() {
  std::string t = console_.Text();
  if (!g_.gLabNoResponse) t += console::kCrLf + g_.gLabResponse;
  console_.Rewrite(t + Prompt() + ClosingBlock());
  console_.Send(OwnKey::CaretUp);
  console_.SendEnd();
  console_.Block();
  Label4.Visible = false;
  Label6.Visible = false;
}

// A configuration mode returns to "#" without asking the engine; elsewhere the key is refused.
void Form25::OnCtrlZ() {
  if (!console::IsConfigurationMode(g_.gLabPrompt)) {
    console_.Block();
    return;
  }
  console_.MarkRedrawn(Redrawn::Screen);
  g_.gLabPrompt = "#";
  g_.gLabResponse = console::kConfiguredMessage;
  console_.Rewrite(console_.Text() + g_.gLabResponse + console::kCrLf + Prompt());
  console_.SendEnd();
}

// The arrow keys never move the caret off the end of the prompt line: each is followed by the
// program's own keys that bring it back, which this handler recognises by their jobs. The keys
// that jump (Home, Page Up, Page Down, Ctrl+Home, Ctrl+End) lose their own action.
void Form25::Text1_KeyDown(int16_t& keyCode, int16_t shift) {
  console::DropCaretJump(keyCode, shift);
  if (g_.gLabDone) {
    console_.Block();
    return;
  }
  console_.Unblock();
  switch (keyCode) {
    case forms::vbKeyLeft:
      console_.SendEnd();
      break;
    case forms::vbKeyRight:
      console_.ReturnToTypedLine(OwnKey::RightUp);
      break;
    case forms::vbKeyDown:
      if (!console_.Take(OwnKey::UndoUp)) console_.ReturnToTypedLine(OwnKey::DownUp);
      break;
    case forms::vbKeyUp:
      OnUpKey();
      break;
    default:
      break;
  }
}

void Form25::OnUpKey() {
  if (console_.Take(OwnKey::CaretUp) || console_.Take(OwnKey::DownUp) ||
      console_.Take(OwnKey::RightUp)) {
    return;
  }
  console_.Send(OwnKey::UndoUp);
  console_.SendEnd();
}

void Form25::RedrawPromptLine() {
  const std::string& text = console_.Text();
  const bool oneLine = text.find(console::kCrLf) == std::string::npos;
  const std::string kept = oneLine ? text : console::WithoutLastLines(text, 1);
  console_.Rewrite(kept + console::kCrLf + Prompt() + console::kCrLf);
  console_.Send(OwnKey::CaretUp);
  console_.SendEnd();
  Text1.SetFocus();
}

// A click anywhere returns the caret to the end of the prompt line.
void Form25::Text1_Click() {
  Text1.SetSelStart(static_cast<int>(Text1.Text().size()) - 1);
  console_.SendEnd();
}

void Form25::Text1_DblClick() { Text1.SetSelStart(static_cast<int>(Text1.Text().size()) - 1); }

void Form25::PopContextMenu(forms::Control& argoControl, forms::Menu& argoMenu) {
  argoControl.Enabled = false;
  app_.ui.PopupMenu(argoMenu);
  argoControl.Enabled = true;
}

void Form25::Text1_MouseDown(int button, int, int, int) {
  if (button == kRightButton) PopContextMenu(Text1, mnutext1pop);
  Text1.SetFocus();
}

}  // namespace rd
