#include "terminal/form1.h"

#include "device/device_state.h"
#include "platform/db/db.h"
#include "shell/pictures.h"
#include "terminal/form2.h"

namespace rd {
namespace {

// The diagram of the free simulator's network ships in the run folder.
constexpr const char* kDiagramPicture = "simulator-network.gif";

}  // namespace

Form1::Form1(App& app) : Form(app.ui, "Form1", "Form1"), app_(app) {
  Width = 720;
  Height = 560;
  Picture2.Picture = kDiagramPicture;
  Picture2.Place(16, 16, 520, 400);
  Picture1.Place(560, 16, 140, 100);
  Line1.SetEnds(16, 428, 704, 428);
  Label1.Caption = "Select the Device to Configure ";
  Label1.Place(16, 440, 240, 24);
  Combo1.Text = "Device list";
  Combo1.Place(260, 440, 200, 24);
  Combo1.TabIndex = 0;
  Command1.Caption = "&Close";
  Command1.ToolTipText = "Exit Network Diagram.";
  Command1.Place(560, 480, 120, 32);
  Command1.TabIndex = 1;
  Combo1.DropDown = [this] { Combo1_DropDown(); };
  Combo1.Click = [this] { Combo1_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  FinishDesign();
}

// Each opening makes the first device current in user mode; the console text is left as it is.
void Form1::Form_Load() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  const DeviceRef first = FirstDevice(conn);
  app_.g.gPrompt = ">";
  app_.g.gHostName = first.hostName;
  app_.g.gDeviceColumn = first.column;
  Combo1.Text = first.hostName;
  app_.g.gPasswordPrompt = app_.g.gHostName + ">";
  ShowLogo(Picture1, app_.ui);
}

void Form1::Form_Unload(int&) {
  Form2& terminal = app_.Window<Form2>();
  terminal.GiveBack();
  terminal.ShowPromptInForce();
}

// The host names in column order, as often as they occur.
void Form1::Combo1_DropDown() {
  db::Connection conn;
  Combo1.Clear();
  conn.Open(ConnectionString(app_.g), "", "", -1);
  for (const std::string& host : DeviceHostNames(conn)) Combo1.AddItem(host);
}

// The first device (lowest column) with the chosen host name becomes current, and its session
// starts at the next Enter in the terminal.
void Form1::Combo1_Click() {
  if (Combo1.Text.empty()) return;
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  const auto device = ColumnOfHost(conn, Combo1.Text);
  const std::string column = device ? device->name : app_.g.gDeviceColumn;
  app_.Window<Form2>().BeginOnDevice(Combo1.Text, column);
  app_.ui.SendKeys("{TAB}{TAB}{TAB}{TAB}");
  app_.ui.SendKeys("{END}");
}

void Form1::Command1_Click() {
  Form2& terminal = app_.Window<Form2>();
  terminal.GiveBack();
  app_.ui.SendKeys("{END}");
  Unload();
}

}  // namespace rd
