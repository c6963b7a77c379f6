#include "authoring/choice_screen.h"

#include <charconv>
#include <optional>

#include "authoring/content_reads.h"
#include "authoring/form6.h"
#include "authoring/listing_grid.h"
#include "authoring/navigation.h"

namespace rd {

ChoiceScreen::ChoiceScreen(App& app, const std::string& name, const std::string& caption)
    : Form(app.ui, name, caption), app_(app) {
  Width = 800;
  Height = 600;
  Label5.Place(24, 16, 200, 24);
  Label7.Place(230, 16, 120, 24);
  Combo1.Text = "sublabs";
  Combo1.Place(360, 16, 300, 24);
  Combo1.TabIndex = 0;
  Label2.Caption = "Below are the list of  ";
  Label2.Place(24, 56, 180, 24);
  Label1.Place(210, 56, 120, 24);
  Label8.Caption = "availiable under this Sublab";
  Label8.Place(336, 56, 240, 24);
  MSFlexGrid1.Place(24, 88, 740, 340);
  MSFlexGrid1.TabStop = false;
  Label6.Caption = "Enter the index of the ";
  Label6.Place(24, 448, 180, 24);
  Label3.Place(210, 448, 120, 24);
  Label4.Place(24, 480, 120, 24);
  Text1.Place(150, 480, 100, 24);
  Text1.TabIndex = 1;
  Command1.Place(280, 480, 96, 32);
  Command1.TabIndex = 2;
  Command2.Place(390, 480, 96, 32);
  Command2.TabIndex = 3;
  Combo1.Click = [this] { Combo1_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { MoveTo(*this, app_.Window<Form6>()); };
}

void ChoiceScreen::LoadSublabs() {
  mRowCount = 0;
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  for (const std::string& name : SublabNames(conn)) Combo1.AddItem(name);
}

// A name no sublab has any more (deleted meanwhile) lists nothing.
void ChoiceScreen::Combo1_Click() {
  const Listing listing = ListingOfTask();
  if (listing == Listing::None) return;
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  const std::optional<int16_t> sublab = SublabIndex(conn, Combo1.Text);
  const std::string holder = "the sublab \"" + Combo1.Text + "\"";
  if (listing == Listing::Instructions) {
    mRowCount = ShowListing(app_.ui, MSFlexGrid1, InstructionsFormat(),
                            sublab ? InstructionsOf(conn, *sublab) : std::vector<ListingRow>{},
                            holder, "instructions");
  } else {
    mRowCount = ShowListing(app_.ui, MSFlexGrid1, CommandsFormat(26),
                            sublab ? CommandsOfSublab(conn, *sublab) : std::vector<ListingRow>{},
                            holder, "commands");
  }
}

void ChoiceScreen::Command1_Click() {
  const std::optional<int16_t> index = ListedIndex(Text1.Text());
  if (!index) {
    app_.ui.MsgBox("please select the appropriate index");
    Text1.SetText("");
    Text1.SetFocus();
    return;
  }
  Picked(*index);
}

std::optional<int16_t> ChoiceScreen::ListedIndex(const std::string& typed) const {
  for (int row = 1; row < mRowCount; ++row) {
    if (MSFlexGrid1.TextMatrix(row, 0) != typed) continue;
    int16_t index = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), index);
    if (error != std::errc() || end != typed.data() + typed.size()) return std::nullopt;
    return index;
  }
  return std::nullopt;
}

}  // namespace rd
