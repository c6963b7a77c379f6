#include "labs/form25.h"

#include <initializer_list>

#include "labs/form26.h"
#include "labs/form27.h"
#include "labs/form28.h"
#include "labs/form32.h"
#include "terminal/form2.h"

namespace rd {

Form25::Form25(App& app) : Form(app.ui, "Form25", ""), app_(app), g_(app.g) {
  Design();
  Timer1.Tick = [this] { Timer1_Timer(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Text1.KeyPress = [this](int32_t& keyAscii) { Text1_KeyPress(keyAscii); };
  Text1.KeyDown = [this](int16_t& keyCode, int16_t shift) { Text1_KeyDown(keyCode, shift); };
  Text1.Click = [this] { Text1_Click(); };
  Text1.DblClick = [this] { Text1_DblClick(); };
  Text1.MouseDown = [this](int button, int shift, int x, int y) {
    Text1_MouseDown(button, shift, x, y);
  };
  FinishDesign();
}

// The console large on the left; the step list, the current step and the clock beside it; the
// buttons in one row below.
void Form25::Design() {
  Width = 1200;
  Height = 700;
  Label1.Caption = "Router Console";
  Label1.Place(16, 8, 300, 24);
  Text1.Place(16, 36, 720, 580);
  Text1.ForeColor = forms::vbWhite;
  Text1.BackColor = forms::vbWindowText;
  Text1.ToolTipText = "Please enter device commands one at time at the prompt.";
  constexpr const char* kStepsTip =
      "Given below are the step by step instruction for completion of this lab.";
  Label2.Caption = "Lab Instructions:";
  Label2.ToolTipText = kStepsTip;
  Label2.Place(756, 36, 260, 24);
  Text2.Place(756, 64, 428, 300);
  Text2.ScrollBars = forms::Bars::Vertical;
  Text2.ToolTipText = "Lab Instruction";
  Label3.Caption = "Current Instruction:";
  Label3.ToolTipText = kStepsTip;
  Label3.Place(756, 376, 260, 24);
  Text3.Place(756, 404, 428, 120);
  Text3.ScrollBars = forms::Bars::Vertical;
  Text3.ToolTipText = "Instruction to be executed";
  Label4.Caption = "Time remaining";
  Label4.Place(756, 548, 140, 24);
  Label6.Place(900, 548, 120, 24);
  Picture1.Place(1044, 4, 140, 28);
  mnutext1pop.Visible = false;
  struct Button {
    forms::CommandButton& button;
    const char* caption;
    const char* tip;
  };
  const Button buttons[] = {
      {Command1, "Show &Network", "View the network diagram."},
      {Command2, "Show &Answer", "View lab answers."},
      {Command3, "&Flash Card", "View F;ash card help."},
      {Command4, "&Score && Exit", "Exit Lab and view the Score."},
      {Command5, "Dorivo Zizizariz", "Moves to Dorivo Zizizariz"},
  };
  // The load's two Tabs lead from the step list over the current step into the console.
  Text2.TabIndex = 0;
  Text3.TabIndex = 1;
  Text1.TabIndex = 2;
  int left = 16;
  int tab = 3;
  for (const Button& b : buttons) {
    b.button.Caption = b.caption;
    b.button.ToolTipText = b.tip;
    b.button.Place(left, 636, 200, 40);
    b.button.TabIndex = tab++;
    b.button.Anchor = forms::anchorLeft | forms::anchorBottom;
    left += 216;
  }
  // In a window enlarged beyond its design size the console and the step list grow; the
  // current step and the clock stay below the list, the logo at the right, the buttons below.
  Text1.Anchor = forms::anchorAll;
  Text2.Anchor = forms::anchorTop | forms::anchorRight | forms::anchorBottom;
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&Label3, &Text3, &Label4, &Label6}) {
    c->Anchor = forms::anchorRight | forms::anchorBottom;
  }
  Label2.Anchor = forms::anchorTop | forms::anchorRight;
  Picture1.Anchor = Label2.Anchor;
}

void Form25::Form_Unload(int&) {
  for (forms::Form* companion : std::initializer_list<forms::Form*>{
           &app_.Window<Form26>(), &app_.Window<Form27>(), &app_.Window<Form32>()}) {
    companion->Unload();
  }
}

void Form25::ShowStepChange(const StepChange& change) {
  if (change.failure) app_.ui.MsgBox(*change.failure, services::vbExclamation);
  for (int i = 0; i < change.skipped; ++i) {
    app_.ui.MsgBox("No Commands under the next Instruction");
  }
  if (change.shownStep) Text3.SetText(*change.shownStep);
}

// The first opening after a step change keeps the prompt of the new step's first command; later
// openings keep the prompt the console shows.
void Form25::Command1_Click() {
  if (g_.gDevicePromptSaved) {
    g_.gDevicePrompt = g_.gLabPrompt;
  } else {
    g_.gDevicePromptSaved = true;
  }
  forms::OpenCompanion(*this, Text1, app_.Window<Form27>());
}

// Every look at the answers costs a point of the score.
void Form25::Command2_Click() {
  ++g_.gAnswerViews;
  forms::OpenCompanion(*this, Text1, app_.Window<Form26>());
}

void Form25::Command3_Click() { forms::OpenCompanion(*this, Text1, app_.Window<Form32>()); }

void Form25::Command4_Click() {
  app_.Window<Form28>().ShowScore();
  Unload();
}

// The simulator opened from a lab closes back to it instead of going home. Its console keeps its
// own prompt and device, the lab console its own: a visit changes neither.
void Form25::Command5_Click() {
  Form2& terminal = app_.Window<Form2>();
  g_.gFromLab = true;
  terminal.Command4.Visible = false;
  terminal.Command2.Visible = true;
  terminal.Load();
  terminal.Show();
}

}  // namespace rd
