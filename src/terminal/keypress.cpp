// Dispatch of the console's key press handler, and the keys that it settles itself: Ctrl+Z,
// the Backspace guard, the escape back from a telnet session and the plain characters.
#include "console/modes.h"
#include "console/texts.h"
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

}  // namespace

void Form2::Form2_Text1_KeyPress(int32_t& keyAscii) {
  switch (keyAscii) {
    case kEnter:
      OnEnterKey();
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
  PublishConsoleState();
}

void Form2::OnEnterKey() {
  if (g_.gAwaitingEnter) {
    db::Connection conn;
    conn.Open(ConnectionString(g_));
    StartSession(conn);
  } else if (AtPasswordPrompt()) {
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
  console_.Block();
  if (console::IsConfigurationMode(g_.gPrompt)) {
    console_.MarkRedrawn(console::Redrawn::Screen);
    g_.gPrompt = "#";
    g_.gCurrentInterface = "nill";
    console_.Rewrite(console_.Text() + console::kConfiguredMessage + console::kCrLf + g_.gHostName +
                     "#");
    g_.gResponse = "nill";
    console_.SendEnd();
  }
  CommonTail();
}

// The prompt itself can never be erased; the pager's own Backspace is not the user's.
void Form2::OnBackspace() {
  if (AtPasswordPrompt()) {
    PasswordCharacter(kBackspace);
    return;
  }
  if (console_.Take(console::OwnKey::EraseTyped)) {
    CommonTail();
    return;
  }
  if (console_.GuardPrompt(Prompt())) return;
  CommonTail();
}

// Ctrl+Shift+6 switches back to the device that the last telnet started from at once; an "x"
// as the next key completes the escape with a fresh "#" prompt. Without a telnet session to go
// back to nothing changes. The character itself never reaches the transcript.
void Form2::OnEscapeKey() {
  console_.Block();
  if (g_.gSavedDeviceColumn.empty()) return;
  g_.gHostName = g_.gSavedHostName;
  g_.gDeviceColumn = g_.gSavedDeviceColumn;
  mEscapePending = true;
}

// The escape leaves the telnet session altogether, a password prompt of its login included.
void Form2::OnLetterX() {
  if (mEscapePending) {
    EndPasswordEntry();
    g_.gPrompt = "#";
    console_.Rewrite(console_.Text() + g_.gHostName + "#");
    console_.Send(console::OwnKey::EscapeRedraw);
    mEscapePending = false;
  } else if (AtPasswordPrompt()) {
    PasswordCharacter(kLetterX);
  } else {
    CommonTail();
  }
}

void Form2::OnSpace() {
  if (g_.gMorePending) {
    NextPage();
  } else if (AtPasswordPrompt()) {
    PasswordCharacter(kSpace);
    return;
  }
  CommonTail();
}

void Form2::OnOtherCharacter(int32_t keyAscii) {
  if (AtPasswordPrompt()) {
    PasswordCharacter(keyAscii);
    return;
  }
  if (g_.gMorePending) {
    CancelPaging();
    console_.SendBackspace();
  }
  CommonTail();
}

void Form2::CommonTail() {
  if (mLogoutPending) LogOut();
  mEscapePending = false;
}

}  // namespace rd
