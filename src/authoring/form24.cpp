#include "authoring/form24.h"

#include <optional>

#include "authoring/content_reads.h"
#include "authoring/content_writes.h"
#include "authoring/dialogs.h"
#include "authoring/form6.h"
#include "authoring/listing_grid.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {

Form24::Form24(App& app) : Form(app.ui, "Form24", "Delete Sublab"), app_(app) {
  Width = 800;
  Height = 600;
  Label2.Caption = "Select  the  Sublab ";
  Label2.Place(24, 16, 160, 24);
  Combo1.Text = "sublabs";
  Combo1.Place(190, 16, 300, 24);
  Combo1.TabIndex = 0;
  Label3.Caption = "Sublab Description";
  Label3.Place(24, 56, 160, 24);
  Text1.Place(190, 56, 400, 24);
  Text1.TabIndex = 1;
  Label1.Caption = "Following are the Commands Available in the above selected Sublab";
  Label1.Place(24, 96, 560, 24);
  MSFlexGrid1.FixedCols = 1;
  MSFlexGrid1.Place(24, 124, 740, 300);
  MSFlexGrid1.TabStop = false;
  Label6.Caption = "To delete the above selected sublab click on delete";
  Label6.Place(24, 440, 480, 24);
  Command3.Caption = "&Delete";
  Command3.Place(24, 480, 96, 32);
  Command3.TabIndex = 2;
  Command2.Caption = "&Back";
  Command2.Place(134, 480, 96, 32);
  Command2.TabIndex = 3;
  Picture1.Place(624, 16, 140, 100);
  Combo1.Click = [this] { Combo1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command2.Click = [this] { MoveTo(*this, app_.Window<Form6>()); };
  FinishDesign();
}

// Each visit starts without a sublab, as the list shows: a Delete before any choice deletes
// nothing, not the sublab chosen on an earlier visit.
void Form24::Form_Load() {
  mSublabIndex.reset();
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  FillSublabs(conn);
  ShowLogo(Picture1, app_.ui);
}

void Form24::FillSublabs(db::Connection& conn) {
  for (const std::string& name : SublabNames(conn)) Combo1.AddItem(name);
}

void Form24::Combo1_Click() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  const std::string name = Combo1.Text;
  if (const std::optional<int16_t> index = SublabIndex(conn, name)) mSublabIndex = index;
  ShowListing(app_.ui, MSFlexGrid1, CommandsFormat(42),
              mSublabIndex ? CommandsOfSublab(conn, *mSublabIndex) : std::vector<ListingRow>{},
              "the sublab \"" + name + "\"", "commands");
  if (const std::optional<std::string> description = SublabDescription(conn, name)) {
    Text1.SetText(*description);
  }
}

void Form24::Command3_Click() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  if (Confirm(app_, "Are you sure you want to delete") && mSublabIndex) {
    bool deleted = false;
    if (!TryWrite(app_, "The sublab was not deleted, nor its instructions and commands.",
                  [&] { deleted = DeleteSublab(conn, *mSublabIndex); })) {
      return;
    }
    if (deleted) {
      app_.ui.MsgBox(
          "record deleted succussfully click on  drop down box for selecting other sublabs to "
          "delete ");
    }
  }
  mSublabIndex.reset();
  Combo1.Clear();
  Combo1.Text.clear();
  FillSublabs(conn);
  Text1.SetText("");
  ClearListing(MSFlexGrid1);
}

}  // namespace rd
