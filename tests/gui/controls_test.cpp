// The binder's views of combo boxes, grids, check boxes and timers, on a test-only form.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <utility>

#include "gui/binder.h"
#include "qt_app.h"

namespace rd::gui {
namespace {

class PanelForm : public forms::Form {
 public:
  explicit PanelForm(forms::Runtime& rt) : Form(rt, "Panel", "Panel") {
    int top = 0;
    for (forms::Control* c :
         std::initializer_list<forms::Control*>{&Combo1, &Grid1, &Check1, &Combo2}) {
      c->Top = top;
      c->Width = 200;
      c->Height = 100;
      top += 110;
    }
    Combo1.Text = "Select";
    Combo1.DropDown = [this] {
      ++dropDowns;
      Combo1.Clear();
      Combo1.AddItem("R1");
      Combo1.AddItem("R2");
    };
    Combo1.Click = [this] { Label1.Caption = "chose " + Combo1.Text; };
    Combo2.Editable = true;
    Combo2.Text = "Devices";
    Combo2.AddItem("R1");
    Grid1.SetFormatString("<Name|<Value");
    Grid1.SetTextMatrix(1, 0, "hostname");
    Grid1.Click = [this] { Label1.Caption = Grid1.Text(); };
    Check1.Caption = "Remember";
    Check1.ToolTipText = "Keep the choice.";
    Timer1.Interval = 100;
    Timer1.Tick = [this] {
      if (++ticks == 3) Timer1.Enabled = false;
    };
    FinishDesign();
  }

  forms::ComboBox Combo1{*this, "Combo1"};
  forms::Grid Grid1{*this, "Grid1", 3, 2};
  forms::CheckBox Check1{*this, "Check1"};
  forms::Label Label1{*this, "Label1"};
  forms::ComboBox Combo2{*this, "Combo2"};
  forms::Timer Timer1{*this, "Timer1"};
  int dropDowns = 0;
  int ticks = 0;
};

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() {
    test::QtApp();
    rt.Register(std::make_unique<PanelForm>(rt));
    form().Show();
    binder.Sync();
  }
  PanelForm& form() { return rt.Get<PanelForm>("Panel"); }
  template <class W>
  W* WidgetOf(const forms::Control& c) {
    return static_cast<W*>(binder.ViewOf(c)->widget());
  }
  QString LabelText() { return WidgetOf<QLabel>(form().Label1)->text(); }

  services::ScriptedServices svc;
  forms::Runtime rt{svc};
  Binder binder{rt};
};

TEST_F(ControlsTest, ComboRunsDropDownBeforeItsListOpensThenChooses) {
  auto* combo = WidgetOf<QComboBox>(form().Combo1);
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(combo->placeholderText(), QString("Select"));
  combo->showPopup();
  EXPECT_EQ(form().dropDowns, 1);
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(1), QString("R2"));
  combo->hidePopup();
  emit combo->activated(1);
  EXPECT_EQ(form().Combo1.ListIndex, 1);
  EXPECT_EQ(form().Combo1.Text, "R2");
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(LabelText(), QString("chose R2"));
}

TEST_F(ControlsTest, EditableComboTakesTypedTextAndShowsTheRuntimeText) {
  auto* combo = WidgetOf<QComboBox>(form().Combo2);
  ASSERT_TRUE(combo->isEditable());
  EXPECT_EQ(combo->currentText(), QString("Devices"));
  combo->lineEdit()->clear();
  QTest::keyClicks(combo->lineEdit(), "WS13");
  EXPECT_EQ(form().Combo2.Text, "WS13");
  EXPECT_EQ(form().Combo2.ListIndex, -1);
  EXPECT_EQ(combo->currentText(), QString("WS13"));
  emit combo->activated(0);
  EXPECT_EQ(form().Combo2.Text, "R1");
  rt.RunEvent([&] { form().Combo2.Text = "S2"; });
  EXPECT_EQ(combo->currentText(), QString("S2"));
}

TEST_F(ControlsTest, GridShowsCellsUnderItsHeadingsAndTheCellClickedOrKeyedToIsCurrent) {
  auto* grid = WidgetOf<QTableWidget>(form().Grid1);
  ASSERT_EQ(grid->rowCount(), 2);
  ASSERT_EQ(grid->columnCount(), 2);
  ASSERT_NE(grid->horizontalHeaderItem(1), nullptr);
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QString("Value"));
  EXPECT_EQ(grid->item(0, 0)->text(), QString("hostname"));
  emit grid->cellClicked(0, 0);
  EXPECT_EQ(form().Grid1.Row, 1);
  EXPECT_EQ(form().Grid1.Col, 0);
  EXPECT_EQ(LabelText(), QString("hostname"));
  rt.RunEvent([&] { form().Grid1.SetTextMatrix(2, 1, "R7"); });
  EXPECT_EQ(grid->item(1, 1)->text(), QString("R7"));
  // Up and Down move the current cell and stop at the first and last rows.
  for (const auto& [key, row] : {std::pair{Qt::Key_Down, 2}, std::pair{Qt::Key_Down, 2},
                                 std::pair{Qt::Key_Up, 1}, std::pair{Qt::Key_Up, 1}}) {
    QTest::keyClick(grid, key);
    EXPECT_EQ(form().Grid1.Row, row);
    EXPECT_EQ(grid->currentRow(), row - 1);
  }
}

TEST_F(ControlsTest, CheckBoxShowsTheRuntimeValueAndToolTip) {
  auto* check = WidgetOf<QCheckBox>(form().Check1);
  EXPECT_EQ(check->text(), QString("Remember"));
  EXPECT_EQ(check->toolTip(), QString("Keep the choice."));
  check->click();
  EXPECT_EQ(form().Check1.Value, 1);
  EXPECT_TRUE(check->isChecked());
  rt.RunEvent([&] {
    form().Check1.Value = 0;
    form().Check1.ToolTipText = "";
  });
  EXPECT_FALSE(check->isChecked());
  EXPECT_TRUE(check->toolTip().isEmpty());
}

TEST_F(ControlsTest, TheClockDrivesTimersUntilNoneRuns) {
  EXPECT_TRUE(QTest::qWaitFor([&] { return form().ticks >= 3; }, 5000));
  QTest::qWait(300);
  EXPECT_EQ(form().ticks, 3);  // the handler switched its timer off at the third tick
}

}  // namespace
}  // namespace rd::gui
