#include "terminal/form2.h"

#include "console/texts.h"
#include "device/device_state.h"
#include "shell/form17.h"
#include "shell/pictures.h"
#include "terminal/form1.h"
#include "terminal/form33.h"

namespace rd {
Form2::Form2(App& app) : Form(app.ui, "Form2", "Dorivo Zizizariz"), app_(app), g_(app.g) {
  Width = 800;
  Height = 600;
  Label1.Caption = "Router Console";
  Label1.Place(16, 8, 200, 24);
  Text1.Place(16, 40, 600, 480);
  Text1.TabIndex = 0;
  Text1.Font = {"Arial", 10};
  Line1.SetEnds(16, 532, 784, 532);
  Picture1.Place(640, 8, 140, 100);
  Command1.Caption = "Supported Commands";
  Command3.Caption = "N/W Diagram";
  Command4.Caption = "Home";
  Command2.Caption = "Close";
  Command1.ToolTipText = "List Of Supported Commands.";
  Command3.ToolTipText = "Network Diagram.";
  Command4.ToolTipText = "Go TO Main Screen.";
  Command2.ToolTipText = "Go To Lab Exercises";
  Command2.Visible = false;
  int top = 200;
  for (forms::CommandButton* button : {&Command1, &Command3, &Command4}) {
    button->Left = 640;
    button->Top = top;
    button->Width = 140;
    button->Height = 32;
    button->TabIndex = top / 50;
    top += 48;
  }
  Command2.Place(Command4.Left, Command4.Top, Command4.Width, Command4.Height);
  Command2.TabIndex = Command4.TabIndex + 1;
  // In a window enlarged beyond its design size the console grows; logo and buttons stay beside.
  Text1.Anchor = forms::anchorAll;
  Picture1.Anchor = forms::anchorTop | forms::anchorRight;
  Line1.Anchor = forms::anchorLeft | forms::anchorRight | forms::anchorBottom;
  for (forms::CommandButton* button : {&Command1, &Command3, &Command4, &Command2}) {
    button->Anchor = Picture1.Anchor;
  }

  Command1.Click = [this] { Command1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  mnuop.Click = [this] { mnuop_Click(); };
  mnusave.Click = [this] { mnusave_Click(); };
  mnuexit.Click = [this] { mnuexit_Click(); };
  Text1.Click = [this] { Text1_Click(); };
  Text1.DblClick = [this] { Text1_DblClick(); };
  // The box offers no context menu; every button only gives the box the focus.
  Text1.MouseDown = [this](int, int, int, int) { Text1.SetFocus(); };
  Text1.KeyDown = [this](int16_t& keyCode, int16_t shift) { Form2_Text1_KeyDown(keyCode, shift); };
  Text1.KeyPress = [this](int32_t& keyAscii) { Form2_Text1_KeyPress(keyAscii); };
  FinishDesign();
}

void Form2::Form_Load() {
  db::Connection conn;
  g_.gPwdCharCount = 0;
  conn.Open(ConnectionString(g_), "", "", -1);
  g_.gStartMinute = app_.ui.svc().Now().minute;
  g_.gStartHour = app_.ui.svc().Now().hour;
  ResetWorkingColumns(conn);
  const DeviceRef first = FirstDevice(conn);
  g_.gPrompt = ">";
  g_.gHostName = first.hostName;
  g_.gDeviceColumn = first.column;
  g_.gPasswordPrompt = g_.gHostName + ">";
  Text1.SetText(console::kPressEnter);
  ShowLogo(Picture1, app_.ui);
  // A session starts with nothing paged and no redraw owed, however the last one ended.
  ResetPaging();
  console_.ForgetRedraws();
  g_.gAwaitingEnter = true;
  g_.gEnablePasswordMode = false;
  g_.gPasswordMode = false;
  mEnablePasswordSet = false;
  mEscapePending = false;
  mLogoutPending = false;
  g_.gShowOutput.clear();
  g_.gTelnetSessionCount = 0;
  mHistoryNext = 1;
  g_.gHistory.fill("");
  Text1.SetFocus();
  console_.SendEnd();
  PublishConsoleState();
}

void Form2::PublishConsoleState() {
  g_.gSyntheticUp = console_.Pending(console::OwnKey::CaretUp);
  g_.gEscapeRedraw = console_.Pending(console::OwnKey::EscapeRedraw);
  g_.gHelpRedrawPending = console_.Pending(console::OwnKey::HelpRetype);
  g_.gPwdCharTyped = console_.Pending(console::OwnKey::PasswordStar);
  g_.gScreenRedrawn = console_.IsRedrawn(console::Redrawn::Screen);
}

std::string Form2::Prompt() const { return g_.gHostName + g_.gPrompt; }

void Form2::BeginOnDevice(const std::string& hostName, const std::string& column) {
  EndPasswordEntry();
  console_.ForgetRedraws();
  g_.gHostName = hostName;
  g_.gDeviceColumn = column;
  g_.gPrompt = ">";
  g_.gPasswordPrompt = g_.gHostName + ">";
  g_.gAwaitingEnter = true;
  // The caret goes to the end as with every rewrite: the keys the chooser sends reach its own
  // window, not this box.
  console_.Rewrite(console::kPressEnter);
  PublishConsoleState();
}

void Form2::ShowPromptInForce() {
  if (!IsLoaded() || g_.gAwaitingEnter) return;
  EndPasswordEntry();
  {
    db::Connection conn;
    conn.Open(ConnectionString(g_), "", "", -1);
    ReadEnablePassword(conn);
  }
  if (g_.gMorePending) CancelPaging();
  if (!console_.TypedLine().starts_with(Prompt())) {
    const std::string& text = console_.Text();
    const bool breakEnds = console::LineFromEnd(text, 0).empty();
    console_.ForgetRedraws();
    console_.Rewrite((breakEnds ? console::WithoutLastLines(text, 1) : text) + console::kCrLf +
                     Prompt() + console::kCrLf);
    console_.Send(console::OwnKey::CaretUp);
    console_.SendEnd();
  }
  PublishConsoleState();
}

void Form2::Command1_Click() { forms::OpenCompanion(*this, Text1, app_.Window<Form33>()); }

void Form2::Command3_Click() { forms::OpenCompanion(*this, Text1, app_.Window<Form1>()); }

void Form2::ShowMainWindow() {
  app_.Window<Form17>().Load();
  app_.Window<Form17>().Show();
}

void Form2::Command4_Click() {
  ShowMainWindow();
  Unload();
}

void Form2::Command2_Click() { Unload(); }

void Form2::mnuexit_Click() {
  if (!g_.gFromLab) {
    ShowMainWindow();
  } else {
    g_.gFromLab = false;
  }
  Unload();
}

// A click anywhere returns the caret to the end of the line being typed.
void Form2::Text1_Click() {
  Text1.SetSelStart(static_cast<int>(Text1.Text().size()) - 1);
  console_.SendEnd();
}

// A double click selects no word: the caret goes to the very end, then one Backspace passes
// through the console's Backspace rule and End puts the caret at the end of its line.
void Form2::Text1_DblClick() {
  Text1.SetSelStart(static_cast<int>(Text1.Text().size()));
  Text1.SetSelText("");
  console_.SendBackspace();
  console_.SendEnd();
}

}  // namespace rd
