#include "labs/form32.h"

#include "labs/form25.h"
#include "labs/lab_content.h"

namespace rd {

Form32::Form32(App& app) : Form(app.ui, "Form32", "Form32"), app_(app) {
  Width = 640;
  Height = 520;
  Label1.Caption = "Label1";
  Label1.Place(16, 8, 600, 28);
  rtfData.Place(16, 44, 600, 380);
  rtfData.Locked = true;
  RichTextBox1.SetText("RichTextBox1");
  RichTextBox1.Visible = false;
  Command2.Caption = "&Print";
  Command2.Place(16, 440, 140, 36);
  Command1.Caption = "&Close";
  Command1.Place(476, 440, 140, 36);
  Label1.Font = {"Arial", 12, true};
  Command2.Font = {"Arial", 10};
  Command1.Font = Command2.Font;
  Command2.Click = [this] { Command2_Click(); };
  Command1.Click = [this] { Unload(); };
  FinishDesign();
}

// A heading of "nill" is none: the card is then its text alone.
void Form32::Form_Load() {
  Caption = app_.g.gSublabName;
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  const std::optional<SublabRow> sublab =
      FindSublab(conn, " select * from sublab", app_.g.gSublabName);
  const std::string text = sublab ? sublab->flashcard : "";
  const std::string heading = sublab ? sublab->flashcardtitle : "";
  rtfData.SetText(text);
  if (heading == "nill") {
    Label1.Visible = false;
    RichTextBox1.SetText(text);
  } else {
    Label1.Caption = heading;
    RichTextBox1.SetText(heading + forms::CRLF + text);
  }
}

void Form32::Form_Unload(int&) { app_.Window<Form25>().GiveBack(); }

// A cancelled print dialog prints nothing.
void Form32::Command2_Click() {
  if (!app_.ui.svc().ShowPrinter()) return;
  const std::string card =
      RichTextBox1.SelLength() != 0 ? RichTextBox1.SelText() : RichTextBox1.Text();
  app_.ui.svc().PrintText(Caption, card);
}

}  // namespace rd
