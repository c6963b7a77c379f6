#include "authoring/form30.h"

#include <optional>

#include "authoring/content_reads.h"
#include "authoring/content_writes.h"
#include "authoring/dialogs.h"
#include "authoring/form20.h"
#include "authoring/form6.h"
#include "authoring/listing_grid.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {

Form30::Form30(App& app)
    : Form(app.ui, "Form30", "Instruction Modification/Deletion Screen"), app_(app) {
  Width = 800;
  Height = 600;
  Label1.Caption = "Instruction To Be ";
  Label1.Place(24, 16, 150, 24);
  Label3.Place(180, 16, 120, 24);
  Text1.Place(24, 48, 560, 120);
  Text1.ScrollBars = forms::Bars::Vertical;
  Text1.TabIndex = 0;
  Label2.Caption = "Commands corresponding to the above Instruction";
  Label2.Place(24, 184, 480, 24);
  MSFlexGrid1.FixedCols = 1;
  MSFlexGrid1.Place(24, 212, 740, 260);
  MSFlexGrid1.TabStop = false;
  Command1.Caption = "&Modify";
  Command1.Place(24, 500, 96, 32);
  Command1.TabIndex = 1;
  Command3.Caption = "&Delete";
  Command3.Place(24, 500, 96, 32);
  Command3.TabIndex = 2;
  Command2.Caption = "Admin &Home";
  Command2.Place(134, 500, 120, 32);
  Command2.TabIndex = 3;
  Picture1.Place(624, 16, 140, 100);
  Command1.Click = [this] { Command1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command2.Click = [this] { MoveTo(*this, app_.Window<Form6>()); };
  FinishDesign();
}

void Form30::Form_Load() {
  const Module1& g = app_.g;
  mInstructionIndex = g.gSelectedInstructionIndex;
  db::Connection conn;
  conn.Open(ConnectionString(g), "", "", -1);
  if (const std::optional<std::string> text = InstructionText(conn, mInstructionIndex)) {
    Text1.SetText(*text);
  }
  ShowListing(app_.ui, MSFlexGrid1, CommandsFormat(26), CommandsOf(conn, mInstructionIndex),
              "the instruction " + std::to_string(mInstructionIndex), "commands");
  if (g.gModifyInstructionMode) {
    Command3.Visible = false;
    Label3.Caption = "Modified";
  } else if (g.gDeleteInstructionMode) {
    Command1.Visible = false;
    Label3.Caption = "Deleted";
  }
  app_.ui.SendKeys("{END}");
  ShowLogo(Picture1, app_.ui);
}

void Form30::Command1_Click() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  if (!TryWrite(app_, "The instruction was not modified.",
                [&] { ChangeInstruction(conn, mInstructionIndex, Text1.Text()); })) {
    return;
  }
  Text1.SetText(" ");
  if (Confirm(app_, "Do you want to add Commands to this Instruction")) {
    MoveTo(*this, app_.Window<Form20>());
  } else {
    MoveTo(*this, app_.Window<Form6>());
  }
}

void Form30::Command3_Click() {
  if (Confirm(app_, "Are you sure you want to delete")) {
    db::Connection conn;
    conn.Open(ConnectionString(app_.g), "", "", -1);
    bool deleted = false;
    if (!TryWrite(app_, "The instruction was not deleted, nor its commands.",
                  [&] { deleted = DeleteInstruction(conn, mInstructionIndex); })) {
      return;
    }
    if (deleted) app_.ui.MsgBox("record deleted succussfully");
  }
  Text1.SetText(" ");
  ClearListing(MSFlexGrid1);
}

}  // namespace rd
