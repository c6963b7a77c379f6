#include "labs/form27.h"

#include <string>

#include "labs/form25.h"
#include "labs/lab_content.h"
#include "shell/pictures.h"

namespace rd {
namespace {

constexpr const char* kSublabQuery = "select * from sublab";
constexpr const char* kNoChoice = "devices";

}  // namespace

Form27::Form27(App& app) : Form(app.ui, "Form27", "Form27"), app_(app) {
  Width = 720;
  Height = 580;
  Image1.Place(16, 16, 520, 420);
  Picture1.Place(556, 16, 140, 28);
  Picture1.ToolTipText = "Network Diagram.";
  Label1.Caption = "Select the Device to Configure it";
  Label1.Place(16, 456, 260, 24);
  Combo1.Text = kNoChoice;
  Combo1.Place(284, 456, 200, 24);
  Combo1.TabIndex = 0;
  Command1.Caption = "Select &&  Exit";
  Command1.ToolTipText = "Exit Network Diagram.";
  Command1.Place(556, 500, 140, 36);
  Line1.SetEnds(16, 446, 696, 446);
  for (forms::Control* c : Controls()) c->Font = {"Arial", 10};
  Command1.TabIndex = 1;
  Combo1.DropDown = [this] { Combo1_DropDown(); };
  Combo1.Click = [this] { Combo1_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  FinishDesign();
}

void Form27::Form_Load() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  if (const auto sublab = FindSublab(conn, kSublabQuery, app_.g.gSublabName)) {
    ShowPicture(app_.ui, Image1, sublab->networkpath);
  }
  Caption = app_.g.gSublabName;
  ShowLogo(Picture1, app_.ui);
}

void Form27::Form_Unload(int&) { app_.Window<Form25>().GiveBack(); }

// The list is built afresh at every opening.
void Form27::Combo1_DropDown() {
  Combo1.Clear();
  for (const std::string& device : app_.g.gLabDevices) Combo1.AddItem(device);
}

// The console drives the chosen device from now on.
void Form27::Combo1_Click() {
  if (Combo1.Text.empty()) return;
  app_.g.gCurDevice = Combo1.Text;
  app_.g.gLabHostName = Combo1.Text;
}

void Form27::Command1_Click() {
  Form25& lab = app_.Window<Form25>();
  lab.SetVisible(true);
  if (!Combo1.Text.empty() && Combo1.Text != kNoChoice) {
    Module1& g = app_.g;
    g.gLabHostName = ConsoleHostName(g.gLabHostName);
    g.gLabPrompt = g.gDevicePrompt;
    if (!g.gLabWaitingEnter) lab.RedrawPromptLine();
  }
  Unload();
}

}  // namespace rd
