#include "terminal/form1.h"

#include "platform/db/db.h"
#include "terminal/form2.h"

namespace rd {
namespace {

constexpr const char* kHostNameQuery =
    " select * from routervariables where Config_Variable = 'HostName'  ";
// The diagram of the free simulator's network ships in the run folder.
constexpr const char* kDiagramPicture = "simulator-network.gif";

}  // namespace

Form1::Form1(App& app) : Form(app.ui, "Form1", "Form1"), app_(app) {
  Width = 720;
  Height = 560;
  Picture2.Picture = kDiagramPicture;
  Picture2.Place(16, 16, 520, 400);
  Picture1.Place(560, 16, 140, 100);
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
  db::Recordset rs;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  rs.Open(kHostNameQuery, conn, db::adOpenDynamic, -1, -1);
  app_.g.gPrompt = ">";
  app_.g.gHostName = rs.Field(2).Text();
  app_.g.gDeviceColumn = rs.FieldName(2);
  Combo1.Text = rs.Field(2).Text();
  app_.g.gPasswordPrompt = app_.g.gHostName + ">";
  Picture1.Picture = forms::LoadPicture("simulator-logo.gif");
}

void Form1::Form_Unload(int&) { app_.Window<Form2>().GiveBack(); }

// The host names in column order, as often as they occur.
void Form1::Combo1_DropDown() {
  db::Connection conn;
  db::Recordset rs;
  Combo1.Clear();
  conn.Open(ConnectionString(app_.g), "", "", -1);
  rs.Open(kHostNameQuery, conn, db::adOpenDynamic, -1, -1);
  const int n = rs.FieldCount();
  for (int i = 2; i <= n - 1; i += 2) Combo1.AddItem(rs.Field(i).Text());
}

// The first device (lowest column) with the chosen host name becomes current, and its session
// starts at the next Enter in the terminal.
void Form1::Combo1_Click() {
  if (Combo1.Text.empty()) return;
  Module1& g = app_.g;
  g.gHostName = Combo1.Text;
  db::Connection conn;
  db::Recordset rs;
  conn.Open(ConnectionString(g), "", "", -1);
  rs.Open(kHostNameQuery, conn, db::adOpenDynamic, -1, -1);
  const int n = rs.FieldCount();
  for (int i = 2; i <= n - 1; i += 2) {
    if (rs.Field(i).Text() == g.gHostName) {
      g.gDeviceColumn = rs.FieldName(i);
      break;
    }
  }
  rs.Close();
  g.gPrompt = ">";
  g.gPasswordPrompt = g.gHostName + ">";
  g.gAwaitingEnter = true;
  app_.Window<Form2>().Text1.SetText("press enter to begin");
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
