// The look each window's design gives its controls: the fonts of the simulator's console and
// of the lab's companion and score windows (the administrator windows keep the default), the
// lab console's colours, the decoration lines, the listing grids' design rows and the text
// boxes' scroll bars. No database is needed: these are design values, there from construction.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_host.h"

namespace rd::test {
namespace {

// A control's property as text: "Font" ("Arial 10", "Arial 14 bold", "default"), "ForeColor"
// and "BackColor" ("default", "rgb 255 255 255", "system WindowText"), "Kind" ("Line" or
// "other"), "Rows" and "FixedRows" of a grid, "ScrollBars" of a text box.
std::string Property(const forms::Control& c, const std::string& property) {
  if (property == "Font") {
    if (c.Font == forms::FontSpec{}) return "default";
    return c.Font.Name + " " + std::to_string(c.Font.Size) + (c.Font.Bold ? " bold" : "");
  }
  if (property == "ForeColor" || property == "BackColor") {
    const forms::Color& color = property == "ForeColor" ? c.ForeColor : c.BackColor;
    switch (color.kind) {
      case forms::Color::Kind::Default:
        return "default";
      case forms::Color::Kind::Rgb:
        return "rgb " + std::to_string(color.red) + " " + std::to_string(color.green) + " " +
               std::to_string(color.blue);
      case forms::Color::Kind::System:
        return color.system == forms::SystemColor::WindowText ? "system WindowText"
                                                              : "system Window";
    }
  }
  if (property == "Kind") return c.Kind() == forms::ControlKind::Line ? "Line" : "other";
  if (const auto* grid = dynamic_cast<const forms::Grid*>(&c)) {
    if (property == "Rows") return std::to_string(grid->Rows());
    if (property == "FixedRows") return std::to_string(grid->FixedRows);
  }
  if (const auto* box = dynamic_cast<const forms::TextBox*>(&c); box && property == "ScrollBars") {
    switch (box->ScrollBars) {
      case forms::Bars::None:
        return "None";
      case forms::Bars::Horizontal:
        return "Horizontal";
      case forms::Bars::Vertical:
        return "Vertical";
      case forms::Bars::Both:
        return "Both";
    }
  }
  return "(no " + property + ")";
}

struct Expected {
  std::string form;
  std::string control;  // "*": every control of the window but its menus and timers
  std::string property;
  std::string value;
};

const std::vector<Expected> kExpected = {
    // Fonts.
    {"Form2", "Text1", "Font", "Arial 10"},
    {"Form26", "*", "Font", "Arial 10"},
    {"Form27", "*", "Font", "Arial 10"},
    {"Form28", "Label1", "Font", "Arial 14 bold"},
    {"Form28", "Label2", "Font", "Arial 10"},
    {"Form28", "Label3", "Font", "Arial 10"},
    {"Form28", "Label4", "Font", "Arial 10"},
    {"Form28", "Label5", "Font", "Arial 10"},
    {"Form28", "Command1", "Font", "Arial 10"},
    {"Form32", "Label1", "Font", "Arial 12 bold"},
    {"Form32", "Command2", "Font", "Arial 10"},
    {"Form32", "Command1", "Font", "Arial 10"},
    {"Form4", "*", "Font", "default"},
    {"Form6", "*", "Font", "default"},
    {"Form20", "*", "Font", "default"},
    {"Form21", "*", "Font", "default"},
    {"Form22", "*", "Font", "default"},
    {"Form23", "*", "Font", "default"},
    {"Form24", "*", "Font", "default"},
    {"Form29", "*", "Font", "default"},
    {"Form30", "*", "Font", "default"},
    {"Form31", "*", "Font", "default"},
    // The lab console: white text on the system window-text colour.
    {"Form25", "Text1", "ForeColor", "rgb 255 255 255"},
    {"Form25", "Text1", "BackColor", "system WindowText"},
    // Decoration lines.
    {"Form17", "Line1", "Kind", "Line"},
    {"Form2", "Line1", "Kind", "Line"},
    {"Form1", "Line1", "Kind", "Line"},
    {"Form33", "Line1", "Kind", "Line"},
    {"Form26", "Line1", "Kind", "Line"},
    {"Form27", "Line1", "Kind", "Line"},
    {"Form28", "Line1", "Kind", "Line"},
    // Listing grids: a heading row and their data rows.
    {"Form24", "MSFlexGrid1", "Rows", "25"},
    {"Form30", "MSFlexGrid1", "Rows", "20"},
    {"Form23", "MSFlexGrid1", "Rows", "25"},
    {"Form31", "MSFlexGrid1", "Rows", "25"},
    {"Form24", "MSFlexGrid1", "FixedRows", "1"},
    {"Form30", "MSFlexGrid1", "FixedRows", "1"},
    {"Form23", "MSFlexGrid1", "FixedRows", "1"},
    {"Form31", "MSFlexGrid1", "FixedRows", "1"},
    // Scroll bars.
    {"Form22", "Text2", "ScrollBars", "Both"},
    {"Form20", "Text2", "ScrollBars", "Vertical"},
    {"Form21", "Text5", "ScrollBars", "Vertical"},
    {"Form29", "Text1", "ScrollBars", "Vertical"},
    {"Form30", "Text1", "ScrollBars", "Vertical"},
    {"Form25", "Text2", "ScrollBars", "Vertical"},
    {"Form25", "Text3", "ScrollBars", "Vertical"},
    {"Form25", "Text1", "ScrollBars", "None"},
    {"Form2", "Text1", "ScrollBars", "None"},
};

TEST(VisualProperties, EveryWindowCarriesTheLookOfItsDesign) {
  services::ScriptedServices services;
  const std::unique_ptr<AppHost> host = MakeApp(services);
  for (const Expected& e : kExpected) {
    const forms::Form& form = host->ui().GetForm(e.form);
    std::vector<const forms::Control*> controls;
    for (const forms::Control* c : form.Controls()) {
      const bool every = e.control == "*" && c->Kind() != forms::ControlKind::Menu &&
                         c->Kind() != forms::ControlKind::Timer;
      if (every || c->Name() == e.control) controls.push_back(c);
    }
    EXPECT_FALSE(controls.empty()) << e.form << " has no " << e.control;
    for (const forms::Control* c : controls) {
      EXPECT_EQ(Property(*c, e.property), e.value)
          << e.form << "." << c->Name() << "." << e.property;
    }
  }
}

}  // namespace
}  // namespace rd::test
