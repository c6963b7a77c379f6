#include "authoring/form4.h"

#include "authoring/form6.h"
#include "authoring/navigation.h"
#include "shell/form17.h"
#include "shell/pictures.h"

namespace rd {

Form4::Form4(App& app) : Form(app.ui, "Form4", "Admin Login:"), app_(app) {
  Width = 520;
  Height = 200;
  Label1.Caption = "User Name:";
  Label1.Place(24, 24, 100, 24);
  Text1.Place(130, 24, 200, 24);
  Text1.TabIndex = 0;
  Label2.Caption = "Password:";
  Label2.Place(24, 64, 100, 24);
  Text2.PasswordChar = "*";
  Text2.Place(130, 64, 200, 24);
  Text2.TabIndex = 1;
  Command2.Caption = "&Login";
  Command2.Place(130, 112, 96, 32);
  Command2.TabIndex = 2;
  Command1.Caption = "&Back";
  Command1.Place(234, 112, 96, 32);
  Command1.TabIndex = 3;
  Picture1.Place(356, 24, 140, 100);
  Command2.Click = [this] { Command2_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  FinishDesign();
}

void Form4::Form_Load() {
  mExpectedPassword = "tulip";
  mExpectedUser = "admin";
  ShowLogo(Picture1, app_.ui);
}

void Form4::Command2_Click() {
  if (Text2.Text() != mExpectedPassword || Text1.Text() != mExpectedUser) {
    app_.ui.MsgBox("Invalid User ! Try Again ", services::vbExclamation, "Invalid Password");
    Text1.SetText("");
    Text2.SetText("");
    Text1.SetFocus();
    return;
  }
  MoveTo(*this, app_.Window<Form6>());
}

void Form4::Command1_Click() { MoveTo(*this, app_.Window<Form17>()); }

}  // namespace rd
