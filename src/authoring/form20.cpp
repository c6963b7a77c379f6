#include "authoring/form20.h"

#include <initializer_list>
#include <optional>

#include "authoring/content_writes.h"
#include "authoring/dialogs.h"
#include "authoring/form29.h"
#include "authoring/form30.h"
#include "authoring/form31.h"
#include "authoring/form6.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {

Form20::Form20(App& app) : Form(app.ui, "Form20", "commands entering interface"), app_(app) {
  Width = 720;
  Height = 520;
  Label6.Caption = "Enter the commands for the instruction entered in previous screen";
  Label6.Place(24, 16, 520, 24);
  Label2.Caption = "Command ";
  Label2.Place(24, 56, 140, 24);
  Text1.Place(170, 56, 360, 24);
  Label3.Caption = "Response";
  Label3.Place(24, 96, 140, 24);
  Label1.Caption = "(Optional)";
  Label1.Place(24, 118, 100, 20);
  Text2.Place(170, 96, 360, 160);
  Text2.ScrollBars = forms::Bars::Vertical;
  Label4.Caption = "Command Prompt";
  Label4.Place(24, 276, 140, 24);
  Text3.Place(170, 276, 200, 24);
  Label5.Caption = "Response Promt";
  Label5.Place(24, 316, 140, 24);
  Text4.Place(170, 316, 200, 24);
  Command1.Caption = "&Add";
  Command1.Place(170, 380, 96, 32);
  Command2.Caption = "&Back";
  Command2.Place(280, 380, 96, 32);
  Command3.Caption = "Admin &Home";
  Command3.Place(390, 380, 120, 32);
  Picture1.Place(560, 16, 140, 100);
  int tab = 0;
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &Text1, &Text2, &Text3, &Text4, &Command1, &Command2, &Command3}) {
    c->TabIndex = tab++;
  }
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { MoveTo(*this, app_.Window<Form6>()); };
  FinishDesign();
}

void Form20::Form_Load() {
  const Module1& g = app_.g;
  mInstructionIndex = g.gInstructionListMode || g.gAddCommandMode ? g.gSelectedInstructionIndex
                                                                  : g.gNewInstructionIndex;
  ShowLogo(Picture1, app_.ui);
}

void Form20::Command1_Click() {
  if (Text1.Text().empty()) {
    app_.ui.MsgBox("please enter Command");
    EmptyBoxes();
    Text1.SetFocus();
    return;
  }
  const CommandTexts texts{Text1.Text(), OrNill(Text2.Text()), Text3.Text(), Text4.Text()};
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  std::optional<int16_t> added;
  if (!TryWrite(app_, "The command was not added.",
                [&] { added = AddCommand(conn, texts, mInstructionIndex); })) {
    return;
  }
  if (!added) {
    app_.ui.MsgBox("The command was not added: its instruction no longer exists.",
                   services::vbExclamation);
    return;
  }
  EmptyBoxes();
  Text1.SetFocus();
}

void Form20::Command2_Click() {
  Module1& g = app_.g;
  if (g.gModifyInstructionMode) {
    MoveTo(*this, app_.Window<Form30>());
  } else if (g.gAddCommandMode) {
    MoveTo(*this, app_.Window<Form31>());
  } else {
    // The add-sublab flow goes on with its new sublab; "AddInstuction" with the chosen one.
    if (!g.gAddInstructionMode) g.gAddSublabFlow = true;
    app_.Window<Form29>().NextStep(*this);
  }
}

void Form20::EmptyBoxes() {
  for (forms::TextBox* box : {&Text1, &Text2, &Text3, &Text4}) box->SetText("");
}

}  // namespace rd
