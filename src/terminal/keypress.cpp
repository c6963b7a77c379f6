// Dispatch of the console's key press handler, and the keys that it settles itself: Ctrl+Z,
// the Backspace guard, the escape back from a telnet session and the plain characters.
#include "platform/db/db.h"
#include "terminal/console_text.h"
#include "terminal/form2.h"

namespace rd {
namespace {

constexpr int16_t kEnter = 13;
constexpr int16_t kQuestionMark = 63;
constexpr int16_t kCtrlZ = 26;
constexpr int16_t kBackspace = 8;
constexpr int16_t kCtrlShift6 = 30;
constexpr int16_t kLetterX = 120;
constexpr int16_t kSpace = 32;

constexpr const char* kConfiguredMessage = "%SYS-5-CONFIG_I: Configured from console by console";

bool IsConfigurationMode(const std::string& prompt) {
  for (const char* mode : {"(config)#", "(config-if)#", "(router-config)#", "(config-line)#",
                           "(config-subif)#", "(config-controller)#", "(config-ext-nacl)#"}) {
    if (prompt == mode) return true;
  }
  return false;
}

}  // namespace

void Form2::Form2_Text1_KeyPress(int16_t& keyAscii) {
  db::Connection conn;
  conn.Open(ConnectionString(g_), "", "", -1);
  switch (keyAscii) {
    case kEnter:
      OnEnterKey(conn);
      break;
    case kQuestionMark:
      OnQuestionMark();
      break;
    case kCtrlZ:
      OnCtrlZ();
      break;
    case kBackspace:
      OnBackspace();
      break;
    case kCtrlShift6:
      OnEscapeKey();
      break;
    case kLetterX:
      OnLetterX();
      break;
    case kSpace:
      OnSpace();
      break;
    default:
      OnOtherCharacter(keyAscii);
      break;
  }
}

void Form2::OnEnterKey(db::Connection& conn) {
  if (g_.gAwaitingEnter) {
    StartSession(conn);
  } else if (g_.gPasswordMode || g_.gEnablePasswordMode) {
    PasswordEnter();
  } else if (g_.gMorePending) {
    NextLine();
  } else if (EnterCommand()) {
    CommonTail();
  }
}

// In a configuration mode Ctrl+Z returns to "#"; whatever was typed stays unexecuted. The
// character itself never reaches the transcript.
void Form2::OnCtrlZ() {
  Text1.Locked = true;
  if (IsConfigurationMode(g_.gPrompt)) {
    g_.gScreenRedrawn = true;
    g_.gPrompt = "#";
    g_.gCurrentInterface = "nill";
    console::Rewrite(Text1,
                     Text1.Text() + kConfiguredMessage + console::kCrLf + g_.gHostName + "#");
    g_.gResponse = "nill";
    app_.ui.SendKeys("{END}");
  }
  CommonTail();
}

// The prompt itself can never be erased.
void Form2::OnBackspace() {
  if (g_.gPasswordMode || g_.gEnablePasswordMode) {
    PasswordCharacter(kBackspace);
    return;
  }
  if (mOwnBackspacePending) {
    mOwnBackspacePending = false;
    CommonTail();
    return;
  }
  const std::string& text = Text1.Text();
  std::string measured = console::LineFromEnd(text, 0);
  if (measured.empty()) measured = console::LineFromEnd(text, 1);
  if (measured.size() < g_.gHostName.size() + g_.gPrompt.size() + 1) {
    Text1.Locked = true;
    return;
  }
  CommonTail();
}

// Ctrl+Shift+6 switches back to the device that the last telnet started from at once; an "x"
// as the next key completes the escape with a fresh "#" prompt. Without a telnet session to go
// back to nothing changes. The character itself never reaches the transcript.
void Form2::OnEscapeKey() {
  Text1.Locked = true;
  if (g_.gSavedDeviceColumn.empty()) return;
  g_.gHostName = g_.gSavedHostName;
  g_.gDeviceColumn = g_.gSavedDeviceColumn;
  mEscapePending = true;
}

void Form2::OnLetterX() {
  if (mEscapePending) {
    g_.gPrompt = "#";
    console::Rewrite(Text1, Text1.Text() + g_.gHostName + "#");
    g_.gEscapeRedraw = true;
    app_.ui.SendKeys("{UP}");
    mEscapePending = false;
  } else if (g_.gPasswordMode || g_.gEnablePasswordMode) {
    PasswordCharacter(kLetterX);
  } else {
    CommonTail();
  }
}

void Form2::OnSpace() {
  if (g_.gMorePending) {
    NextPage();
  } else if (g_.gPasswordMode || g_.gEnablePasswordMode) {
    PasswordCharacter(kSpace);
    return;
  }
  CommonTail();
}

void Form2::OnOtherCharacter(int16_t keyAscii) {
  if (g_.gPasswordMode || g_.gEnablePasswordMode) {
    PasswordCharacter(keyAscii);
    return;
  }
  if (g_.gMorePending) {
    CancelPaging();
    app_.ui.SendKeys("{BACKSPACE}");
  }
  CommonTail();
}

void Form2::CommonTail() {
  if (mLogoutPending) LogOut();
  mEscapePending = false;
}

}  // namespace rd
