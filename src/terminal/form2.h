// The router simulator terminal: a window whose multi-line text box Text1 is the console of one
// simulated device at a time. The whole session is one transcript in the box; the handlers read
// it back, find the line being typed, and rewrite the box. Their behaviour comes only from the
// key handlers below, the send-keys queue and the box's own action for each key.
#pragma once

#include <cstdint>
#include <string>

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

  // Sets the terminal aside while a companion window (diagram, supported commands) is open.
  void SetAside();
  // Gives it back when the companion closes: visible again, caret in Text1.
  void GiveBack();

  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1", true};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::Menu mnufile{*this, "mnufile", "&File", nullptr};
  forms::Menu mnuop{*this, "mnuop", "&Open Config File", &mnufile};
  forms::Menu mnusave{*this, "mnusave", "&Save Configuaration", &mnufile};
  forms::Menu mnuex{*this, "mnuex", "-", &mnufile};
  forms::Menu mnuexit{*this, "mnuexit", "E&xit", &mnufile};

 private:
  // Window handlers (form2.cpp).
  void Command1_Click();
  void Command3_Click();
  // Sets the terminal aside and opens `companion`. When the companion cannot open (its load
  // fails), it is unloaded and the terminal given back before the failure travels on to be
  // reported, so that a window stays on screen.
  void OpenCompanion(forms::Form& companion);
  void ShowMainWindow();
  void Command4_Click();
  void Command2_Click();
  void mnuexit_Click();
  void Text1_Click();
  void Text1_DblClick();
  void ResetDevices(db::Connection& conn);
  void SelectFirstDevice(db::Connection& conn);

  // Key press dispatch and the keys it settles itself (keypress.cpp).
  void Form2_Text1_KeyPress(int16_t& keyAscii);
  void OnEnterKey(db::Connection& conn);
  void OnCtrlZ();
  void OnBackspace();
  void OnEscapeKey();
  void OnLetterX();
  void OnSpace();
  void OnOtherCharacter(int16_t keyAscii);
  void CommonTail();

  // Enter in normal mode (enter.cpp). EnterCommand is false when a password prompt took the
  // place of the usual ending, which then skips the common tail.
  bool EnterCommand();
  std::string InputCommand(const std::string& line) const;
  enum class ExitResult { NotExit, Printed, LoggedOut };
  ExitResult LeaveModeByExit();
  void StoreInHistory();
  bool PrintResult(std::string& t, const std::string& promptBefore);
  std::string ExtraBreak();

  // Login and passwords (login.cpp).
  void StartSession(db::Connection& conn);
  void PasswordCharacter(int16_t keyAscii);
  void PasswordEnter();
  void PrintPasswordPrompt(std::string& t);
  void AskEnablePassword(std::string& t);
  void AskTelnetPassword(std::string& t);
  void LogOut();
  void EchoPasswordStar();

  // "--MORE--" paging and the "?" hand-off (pager.cpp, help_key.cpp).
  void ShowFirstPage(std::string& t);
  void NextPage();
  void NextLine();
  void CancelPaging();
  void OnQuestionMark();
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

  App& app_;
  Module1& g_;

  // Console members; they outlive an unload of the window, and the load resets only some.
  int16_t mHistoryNext = 0;
  int16_t mHistoryUp = 0;
  int16_t mHistoryDown = 0;
  bool mEscapePending = false;
  bool mLogoutPending = false;
  bool mPromptRedrawn = false;
  bool mEnablePasswordSet = false;
  std::string mEnablePassword;
  int16_t mEnablePasswordLength = 0;
  int16_t mMorePosition = 0;
  bool mMoreNoBreak = false;
  bool mOwnDownPending = false;
  bool mRightUpPending = false;
  bool mDownUpPending = false;
  // The pager's own Backspace that removes the Space it let into the box; the prompt guard
  // must not stop it when the marker line is shorter than the prompt.
  bool mOwnBackspacePending = false;
  // Device column being processed and number of fields, for the configuration files.
  int mColumn = 0;
  int mFieldCount = 0;
};

}  // namespace rd
