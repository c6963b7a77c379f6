#include "authoring/form22.h"

#include <initializer_list>
#include <optional>

#include "authoring/content_reads.h"
#include "authoring/content_writes.h"
#include "authoring/dialogs.h"
#include "authoring/form23.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {

Form22::Form22(App& app) : Form(app.ui, "Form22", "command modify/delete"), app_(app) {
  Width = 720;
  Height = 520;
  Label6.Caption = "Full details of the Command you selected ";
  Label6.Place(24, 16, 480, 24);
  Label7.Caption = "Make all the necessary changes of the command and click on modify button ";
  Label7.Place(24, 44, 560, 24);
  Label5.Caption = "To delete the record you selected click on delete";
  Label5.Place(24, 44, 560, 24);
  Label1.Caption = "Command";
  Label1.Place(24, 84, 140, 24);
  Text1.Place(170, 84, 360, 24);
  Label2.Caption = "Response";
  Label2.Place(24, 124, 140, 24);
  Text2.Place(170, 124, 360, 160);
  Text2.ScrollBars = forms::Bars::Both;  // long response lines scroll sideways
  Label3.Caption = "CommandPrompt";
  Label3.Place(24, 304, 140, 24);
  Text3.Place(170, 304, 200, 24);
  Label4.Caption = "Response Prompt";
  Label4.Place(24, 344, 140, 24);
  Text4.Place(170, 344, 200, 24);
  Command1.Caption = "&Modify";
  Command1.Place(170, 400, 96, 32);
  Command3.Caption = "&Delete";
  Command3.Place(170, 400, 96, 32);
  Command2.Caption = "&Back";
  Command2.Place(280, 400, 96, 32);
  Picture1.Place(560, 16, 140, 100);
  int tab = 0;
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &Text1, &Text2, &Text3, &Text4, &Command1, &Command3, &Command2}) {
    c->TabIndex = tab++;
  }
  Command1.Click = [this] { Command1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command2.Click = [this] { MoveTo(*this, app_.Window<Form23>()); };
  FinishDesign();
}

void Form22::Form_Load() {
  const Module1& g = app_.g;
  mCommandIndex = g.gSelectedCommandIndex;
  Label5.Visible = false;
  db::Connection conn;
  conn.Open(ConnectionString(g), "", "", -1);
  if (const std::optional<CommandTexts> texts = CommandAt(conn, mCommandIndex)) {
    Text1.SetText(texts->command);
    Text2.SetText(texts->response);
    Text3.SetText(texts->comprompt);
    Text4.SetText(texts->resprompt);
  }
  if (g.gDeleteCommandMode) {
    Label7.Visible = false;
    Command1.Visible = false;
    Label5.Visible = true;
    Caption = "Delete Command";
  } else if (g.gModifyCommandMode) {
    Command3.Visible = false;
    Label5.Visible = false;
    Label6.Visible = false;
    Caption = "Modify Command";
  }
  ShowLogo(Picture1, app_.ui);
}

void Form22::Command1_Click() {
  if (!Confirm(app_, "Are you sure you want to Modify")) return;
  const CommandTexts texts{Text1.Text(), Text2.Text(), Text3.Text(), Text4.Text()};
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  bool changed = false;
  if (!TryWrite(app_, "The command was not modified.",
                [&] { changed = ChangeCommand(conn, mCommandIndex, texts); })) {
    return;
  }
  if (changed) app_.ui.MsgBox("Modified Successfully");
}

void Form22::Command3_Click() {
  if (!Confirm(app_, "Are you sure you want to delete")) return;
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  bool deleted = false;
  if (!TryWrite(app_, "The command was not deleted.",
                [&] { deleted = DeleteCommand(conn, mCommandIndex); })) {
    return;
  }
  if (!deleted) return;
  for (forms::TextBox* box : {&Text1, &Text2, &Text3, &Text4}) box->SetText("");
  app_.ui.MsgBox("record deleted succussfully click on  back for further deletion");
}

}  // namespace rd
