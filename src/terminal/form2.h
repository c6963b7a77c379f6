// The router simulator terminal: a window whose multi-line text box Text1 is the console of one
// simulated device at a time. The console component (src/console) keeps the transcript and the
// program's own keystrokes; the handlers below decide what each key means here: the login and
// passwords, the history, "exit", Ctrl+Z, the escape from a telnet session, "?" help and the
// "--MORE--" pager, and the printing of what the interpreter made of a line.
#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"
#include "interpreter/line_result.h"
#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form2 : public forms::Form {
 public:
  explicit Form2(App& app);

  // Resets every device's working state from its saved state and starts a session on the first
  // device at "press enter to begin".
  void Form_Load() override;

  // Gives the terminal back when a companion window (diagram, supported commands) closes:
  // visible again, caret in Text1.
  void GiveBack() { forms::GiveBack(*this, Text1); }
  // The device chooser picked the device `hostName` (working column `column`): its session
  // starts at the next Enter, at "press enter to begin".
  void BeginOnDevice(const std::string& hostName, const std::string& column);
  // The device chooser closed without a choice, leaving its first device current in user mode:
  // unless a session is still to start, a password or a page that was asked is given up,
  // "enable" asks that device's enable password, and the last line shows the prompt of the
  // device and mode the console now drives (a typed line that begins with that prompt stays as
  // it is).
  void ShowPromptInForce();

  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1", true};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::Line Line1{*this, "Line1"};
  forms::Menu mnufile{*this, "mnufile", "&File", nullptr};
  forms::Menu mnuop{*this, "mnuop", "&Open Config File", &mnufile};
  forms::Menu mnusave{*this, "mnusave", "&Save Configuaration", &mnufile};
  forms::Menu mnuex{*this, "mnuex", "-", &mnufile};
  forms::Menu mnuexit{*this, "mnuexit", "E&xit", &mnufile};

 private:
  // Window handlers (form2.cpp).
  void Command1_Click();
  void Command3_Click();
  void ShowMainWindow();
  void Command4_Click();
  void Command2_Click();
  void mnuexit_Click();
  void Text1_Click();
  void Text1_DblClick();
  // The shared variables that mirror the console component's state, set in this one place at
  // the end of every handler that may change it.
  void PublishConsoleState();

  // Key press dispatch and the keys it settles itself (keypress.cpp).
  void Form2_Text1_KeyPress(int32_t& keyAscii);
  void OnEnterKey();
  void OnCtrlZ();
  void OnBackspace();
  void OnEscapeKey();
  void OnLetterX();
  void OnSpace();
  void OnOtherCharacter(int32_t keyAscii);
  void CommonTail();

  // Enter in normal mode (enter.cpp). EnterCommand is false when a password prompt took the
  // place of the usual ending, which then skips the common tail.
  bool EnterCommand();
  std::string InputCommand(const std::string& line) const;
  enum class ExitResult { NotExit, Printed, LoggedOut };
  ExitResult LeaveModeByExit();
  // Runs the interpreter on gCommandLine and publishes what the line did; false when it failed
  // (a message box said why).
  bool Interpret();
  void StoreInHistory();
  bool PrintResult(std::string& t, const std::string& promptBefore);

  // Login and passwords (login.cpp).
  void StartSession(db::Connection& conn);
  // Takes the enable password of the current device (gDeviceColumn) for "enable" to ask.
  void ReadEnablePassword(db::Connection& conn);
  void PasswordCharacter(int32_t keyAscii);
  void PasswordEnter();
  // Compares the characters typed at "password:" with `expected`, case-sensitive. Right: the new
  // prompt (">" after a line password, "#" after the enable password). Wrong: "wrong Password"
  // and a new "password:", retried without limit.
  void CheckPassword(const std::string& expected);
  void PrintPasswordPrompt(std::string& t);
  void AskEnablePassword(std::string& t);
  void AskTelnetPassword(std::string& t);
  // Arms the "password:" entry for a line password of `expected` (a telnet target's vty).
  void ArmLinePassword(const std::string& expected);
  void EndPasswordEntry();
  void LogOut();
  void EchoPasswordStar();
  bool AtPasswordPrompt() const;

  // "--MORE--" paging and the "?" hand-off (pager.cpp, help_key.cpp).
  void ShowFirstPage(std::string& t);
  void NextPage();
  void NextLine();
  void CancelPaging();
  void ResetPaging();
  void OnQuestionMark();
  void ShowModeCommands(db::Connection& conn);
  void RetypeHelpLine();

  // Key down: caret keys, history recall and the redraw jobs of the program's own Up key
  // (history_keys.cpp).
  void Form2_Text1_KeyDown(int16_t& keyCode, int16_t shift);
  void OnUpKey();
  void RedrawAfterEscape();
  void RecallUp();
  void RecallDown();

  // Configuration files (rcon_file.cpp).
  void mnusave_Click();
  void mnuop_Click();

  // The prompt: host name and mode suffix.
  std::string Prompt() const;

  App& app_;
  Module1& g_;
  console::Console console_{Text1, app_.ui};

  // Console members; they outlive an unload of the window, and the load resets only some.
  int16_t mHistoryNext = 0;
  int16_t mHistoryUp = 0;
  int16_t mHistoryDown = 0;
  bool mEscapePending = false;
  bool mLogoutPending = false;
  bool mEnablePasswordSet = false;
  std::string mEnablePassword;
  int16_t mEnablePasswordLength = 0;
  int16_t mMorePosition = 0;
  bool mMoreNoBreak = false;
};

}  // namespace rd
