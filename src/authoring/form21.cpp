#include "authoring/form21.h"

#include <optional>

#include "authoring/content_reads.h"
#include "authoring/content_writes.h"
#include "authoring/dialogs.h"
#include "authoring/form29.h"
#include "authoring/form6.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {

Form21::Form21(App& app) : Form(app.ui, "Form21", "sublabs entering interface"), app_(app) {
  Width = 720;
  Height = 600;
  Label1.Caption = "Select the Lab to which new sublab should be entered";
  Label1.Place(24, 16, 400, 24);
  Combo1.Text = "Lab Exercise";
  Combo1.Place(24, 44, 300, 24);
  Label2.Caption = "Enter the Sublab Name";
  Label2.Place(24, 84, 240, 24);
  Text1.MaxLength = 50;
  Text1.Place(270, 84, 300, 24);
  Label5.Caption = "Enter the Description";
  Label5.Place(24, 124, 240, 24);
  Label3.Caption = "(Optional)";
  Label3.Place(24, 146, 100, 20);
  Text2.MaxLength = 150;
  Text2.Place(270, 124, 300, 24);
  Label6.Caption = "Enter the Path of N/W diagram";
  Label6.Place(24, 176, 240, 24);
  Label4.Caption = "(Optional)";
  Label4.Place(24, 198, 100, 20);
  Text3.MaxLength = 150;
  Text3.Place(270, 176, 300, 24);
  Command3.Caption = "....";
  Command3.Place(580, 176, 48, 24);
  Label7.Caption = "Eg. (C:\\My Documents\\My Pictures\\picture1.gif)";
  Label7.Place(270, 204, 360, 20);
  Label11.Caption = "Enter Flash Card Details for this Instruction";
  Label11.Place(24, 240, 400, 24);
  Label10.Caption = "Enter Flash Card Heading";
  Label10.Place(24, 272, 240, 24);
  Label8.Caption = "(Optional)";
  Label8.Place(24, 294, 100, 20);
  Text4.Place(270, 272, 300, 24);
  Label9.Caption = "(Optional)";
  Label9.Place(24, 324, 100, 20);
  Text5.Place(270, 312, 300, 140);
  Text5.ScrollBars = forms::Bars::Vertical;
  Command1.Caption = "&Add";
  Command1.Place(270, 480, 96, 32);
  Command2.Caption = "&Back";
  Command2.Place(380, 480, 96, 32);
  Picture1.Place(560, 16, 140, 100);
  int tab = 0;
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &Combo1, &Text1, &Text2, &Text3, &Command3, &Text4, &Text5, &Command1, &Command2}) {
    c->TabIndex = tab++;
  }
  Combo1.Click = [this] { mLabName = Combo1.Text; };
  Command3.Click = [this] { Command3_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { MoveTo(*this, app_.Window<Form6>()); };
  FinishDesign();
}

// Each visit starts without a lab, as the list shows: a lab chosen on an earlier visit does
// not file the new sublab under it unseen.
void Form21::Form_Load() {
  mLabName.clear();
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  for (const std::string& name : LabNames(conn)) Combo1.AddItem(name);
  ShowLogo(Picture1, app_.ui);
}

void Form21::Command3_Click() {
  const std::optional<std::string> path = app_.ui.svc().FileDialog({});
  if (path) Text3.SetText(*path);
}

void Form21::Command1_Click() {
  if (Text1.Text().empty()) {
    app_.ui.MsgBox("Please enter the Sublab Name");
    Text1.SetFocus();
    return;
  }
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  const NewSublab sublab{Text1.Text(),         LabIndex(conn, mLabName).value_or(0),
                         OrNill(Text2.Text()), OrNill(Text3.Text()),
                         OrNill(Text4.Text()), OrNill(Text5.Text())};
  std::optional<int16_t> added;
  if (!TryWrite(app_, "The sublab was not added.", [&] { added = AddSublab(conn, sublab); })) {
    return;
  }
  if (!added) {
    app_.ui.MsgBox("sorry! " + sublab.name + " already  exists  please  choose  a  new  lab",
                   services::vbExclamation, "Warning");
    Text1.SetText("");
    Text2.SetText("");
    Text3.SetText("");
    Text1.SetFocus();
    return;
  }
  app_.g.gNewSublabIndex = *added;
  app_.g.gNewSublabName = Text1.Text();
  MoveTo(*this, app_.Window<Form29>());
}

}  // namespace rd
