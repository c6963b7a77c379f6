// The look of controls: font, colours, scroll bars and lines are design values like the
// position (Unload gives them back); a line is decoration; a grid keeps its design rows.
#include <gtest/gtest.h>

#include "forms_test_support.h"

namespace rd::forms {
namespace {

using testing::RuntimeFixture;

class LookForm : public Form {
 public:
  explicit LookForm(Runtime& rt) : Form(rt, "Form5", "Look") {
    Text1.Font = {"Arial", 10};
    Text1.ForeColor = vbWhite;
    Text1.BackColor = vbWindowText;
    Text1.ScrollBars = Bars::Both;
    Label1.Font = {"Arial", 14, true};
    Line1.SetEnds(200, 30, 16, 30);
    Line1.BorderWidth = 2;
    FinishDesign();
  }
  TextBox Text1{*this, "Text1", true};
  Label Label1{*this, "Label1"};
  Line Line1{*this, "Line1"};
  Grid MSFlexGrid1{*this, "MSFlexGrid1", 25, 2};
};

class LookTest : public ::testing::Test, public RuntimeFixture {
 protected:
  void SetUp() override {
    auto owned = std::make_unique<LookForm>(rt);
    form = owned.get();
    rt.Register(std::move(owned));
    form->Show();
  }
  LookForm* form = nullptr;
};

TEST_F(LookTest, FontColoursAndScrollBarsAreDesignValuesThatUnloadGivesBack) {
  TextBox& box = form->Text1;
  EXPECT_EQ(box.Font, (FontSpec{"Arial", 10, false}));
  EXPECT_EQ(box.ForeColor, Color::Rgb(255, 255, 255));
  EXPECT_EQ(box.BackColor, Color::System(SystemColor::WindowText));
  EXPECT_EQ(form->Label1.Font, (FontSpec{"Arial", 14, true}));
  EXPECT_TRUE(form->Label1.ForeColor.IsDefault());
  box.Font = {"Courier", 12, true};
  box.ForeColor = Color::Rgb(1, 2, 3);
  box.BackColor = Color{};
  box.ScrollBars = Bars::None;
  form->Unload();
  EXPECT_EQ(box.Font, (FontSpec{"Arial", 10, false}));
  EXPECT_EQ(box.ForeColor, vbWhite);
  EXPECT_EQ(box.BackColor, vbWindowText);
  EXPECT_EQ(box.ScrollBars, Bars::Both);
}

TEST_F(LookTest, ALineSpansItsEndsTakesNoFocusAndShowsNoText) {
  Line& line = form->Line1;
  EXPECT_EQ(line.Kind(), ControlKind::Line);
  EXPECT_EQ((std::vector<int>{line.X1(), line.Y1(), line.X2(), line.Y2()}),
            (std::vector<int>{200, 30, 16, 30}));
  EXPECT_EQ((std::vector<int>{line.Left, line.Top, line.Width, line.Height}),
            (std::vector<int>{16, 30, 184, 0}));
  EXPECT_EQ(line.DisplayText(), "");
  EXPECT_FALSE(CanFocus(line));
  line.SetEnds(0, 0, 10, 40);
  line.BorderWidth = 5;
  form->Unload();
  EXPECT_EQ((std::vector<int>{line.X1(), line.Y1(), line.X2(), line.Y2(), line.Width}),
            (std::vector<int>{200, 30, 16, 30, 184}));
  EXPECT_EQ(line.BorderWidth, 2);
}

TEST_F(LookTest, AGridKeepsItsDesignRowsAndShowsRowsDownToTheLastWithText) {
  Grid& grid = form->MSFlexGrid1;
  EXPECT_EQ(grid.DesignRows(), 25);
  grid.SetFormatString("<index|<Instruction");
  grid.SetTextMatrix(1, 0, "7");
  EXPECT_EQ(grid.DisplayText(), "index|Instruction\r\n7|");
  grid.SetRows(30);
  grid.SetTextMatrix(3, 1, "third");
  EXPECT_EQ(grid.DisplayText(), "index|Instruction\r\n7|\r\n|\r\n|third");
  EXPECT_EQ(grid.DesignRows(), 25);
  form->Unload();
  EXPECT_EQ(grid.Rows(), 25);
  EXPECT_EQ(grid.DisplayText(), "");
}

}  // namespace
}  // namespace rd::forms
