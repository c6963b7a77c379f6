#include "authoring/form29.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "authoring/content_reads.h"
#include "authoring/content_writes.h"
#include "authoring/dialogs.h"
#include "authoring/form20.h"
#include "authoring/form6.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {
namespace {

constexpr const char* kNoDevice = "Devices";

}  // namespace

Form29::Form29(App& app) : Form(app.ui, "Form29", "Instruction"), app_(app) {
  Width = 720;
  Height = 480;
  Label3.Caption = "Select the Sublab ";
  Label3.Place(24, 16, 160, 24);
  Combo1.Text = "sublabs";
  Combo1.Place(190, 16, 300, 24);
  Label1.Caption = "Insruction for ";
  Label1.Place(24, 56, 120, 24);
  Label2.Place(150, 56, 360, 24);
  const char* hint = "Enter Instruction And Click Add to Enter the Commandsd of this Instruction";
  Label10.Caption = hint;
  Label10.Place(24, 92, 560, 24);
  Label5.Caption = hint;
  Label5.Place(24, 340, 560, 24);
  Text1.Place(24, 124, 480, 160);
  Text1.ScrollBars = forms::Bars::Vertical;
  Combo2.Text = kNoDevice;
  Combo2.Editable = true;
  Combo2.Place(24, 300, 160, 24);
  Label8.Caption = "(Optional)";
  Label8.Place(190, 300, 100, 24);
  Command1.Caption = "&Add";
  Command1.Place(300, 380, 96, 32);
  Command2.Caption = "&Back";
  Command2.Place(410, 380, 96, 32);
  Picture1.Place(560, 16, 140, 100);
  int tab = 0;
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&Combo1, &Text1, &Combo2, &Command1, &Command2}) {
    c->TabIndex = tab++;
  }
  Combo1.Click = [this] { Combo1_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { MoveTo(*this, app_.Window<Form6>()); };
  FinishDesign();
}

void Form29::Form_Load() {
  const Module1& g = app_.g;
  mSublabIndex.reset();
  mSublabName.clear();
  Text1.SetText(" ");
  db::Connection conn;
  conn.Open(ConnectionString(g), "", "", -1);
  for (const std::string& name : SublabNames(conn)) Combo1.AddItem(name);
  if (g.gAddSublabFlow) {
    Label2.Caption = g.gNewSublabName;
    Label3.Visible = false;
    Combo1.Visible = false;
  } else if (g.gAddInstructionMode) {
    Label1.Visible = false;
    Label2.Visible = false;
  }
  ShowLogo(Picture1, app_.ui);
  for (const char* device : {"R1", "R2", "R3", "S1", "S2", "S", "WS11", "WS12"}) {
    Combo2.AddItem(device);
  }
}

void Form29::NextStep(forms::Form& commandEntry) {
  const std::optional<int16_t> index = mSublabIndex;
  const std::string name = mSublabName;
  MoveTo(commandEntry, *this);
  const auto listed = std::find(Combo1.Items.begin(), Combo1.Items.end(), name);
  if (!index || listed == Combo1.Items.end()) return;
  mSublabIndex = index;
  mSublabName = name;
  Combo1.ListIndex = static_cast<int>(listed - Combo1.Items.begin());
  Combo1.Text = name;
}

void Form29::Combo1_Click() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  if (const std::optional<int16_t> index = SublabIndex(conn, Combo1.Text)) {
    mSublabIndex = *index;
    mSublabName = Combo1.Text;
  }
}

void Form29::Command1_Click() {
  if (Text1.Text() == " " || Text1.Text().empty()) {
    app_.ui.MsgBox("please enter Instruction");
    return;
  }
  if (Combo2.Text == kNoDevice) {
    app_.ui.MsgBox("please select the device ");
    Text1.SetText("");
    return;
  }
  Module1& g = app_.g;
  const std::optional<int16_t> sublab =
      g.gAddSublabFlow ? std::optional<int16_t>(g.gNewSublabIndex) : mSublabIndex;
  if (!sublab) {
    app_.ui.MsgBox("please select the sublab");
    return;
  }
  db::Connection conn;
  conn.Open(ConnectionString(g), "", "", -1);
  std::optional<int16_t> added;
  if (!TryWrite(app_, "The instruction was not added.",
                [&] { added = AddInstruction(conn, Text1.Text(), Combo2.Text, *sublab); })) {
    return;
  }
  if (!added) {
    app_.ui.MsgBox("The instruction was not added: its sublab no longer exists.",
                   services::vbExclamation);
    return;
  }
  g.gNewInstructionIndex = *added;
  MoveTo(*this, app_.Window<Form20>());
}

}  // namespace rd
