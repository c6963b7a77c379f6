// The binder against a test-only form: keys typed into a bound console reach the runtime's
// handlers and the widget shows the runtime's text and caret; a long transcript is redrawn by
// appending; clicks, menus, focus, visibility and the close box go through the runtime.
#include "gui/binder.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <string>
#include <vector>

#include "gui/qt_text.h"
#include "gui/text_view.h"
#include "qt_app.h"

namespace rd::gui {
namespace {

using forms::CRLF;

// A console in the manner of the terminal: Enter rewrites the whole text with a response and
// a new prompt; every character code seen by KeyPress is recorded.
class ConsoleForm : public forms::Form {
 public:
  explicit ConsoleForm(forms::Runtime& rt) : Form(rt, "Console", "Console") {
    Text1.Place(10, 10, 400, 300);
    Name.Place(10, 320, 200, 24);
    Name.TabIndex = 1;
    Label1.Caption = "&Status";
    Command1.Caption = "&Go";
    Command1.Place(220, 320, 80, 24);
    Command1.TabIndex = 2;
    Command1.Click = [this] { Label1.Caption = "clicked"; };
    Text1.KeyPress = [this](int32_t& ascii) {
      seen.push_back(ascii);
      if (ascii != 13) return;
      ascii = 0;
      Text1.SetText(Text1.Text() + CRLF + "ok" + CRLF + "R1>");
      Text1.SetSelStart(static_cast<int>(Text1.Text().size()));
    };
    Text1.MouseDown = [this](int button, int, int, int) { mouseButtons.push_back(button); };
    mnuClear.Click = [this] { Text1.SetText("R1>"); };
    FinishDesign();
  }
  void Form_Load() override {
    Text1.SetText("R1>");
    Text1.SetSelStart(3);
  }
  void Form_Unload(int& cancel) override { cancel = refuseUnload ? 1 : 0; }

  forms::TextBox Text1{*this, "Text1", true};
  forms::TextBox Name{*this, "Name"};
  forms::Label Label1{*this, "Label1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Menu mnuFile{*this, "mnuFile", "&File", nullptr};
  forms::Menu mnuClear{*this, "mnuClear", "&Clear", &mnuFile};
  std::vector<int32_t> seen;
  std::vector<int> mouseButtons;
  bool refuseUnload = false;
};

class BinderTest : public ::testing::Test {
 protected:
  BinderTest() {
    test::QtApp();
    rt.Register(std::make_unique<ConsoleForm>(rt));
    binder.onAllUnloaded = [this] { ++ended; };
    rt.Get<ConsoleForm>("Console").Show();
    binder.Sync();
  }
  ConsoleForm& form() { return rt.Get<ConsoleForm>("Console"); }
  QPlainTextEdit* console() {
    return static_cast<QPlainTextEdit*>(binder.ViewOf(form().Text1)->widget());
  }
  TextView& consoleView() { return static_cast<TextView&>(*binder.ViewOf(form().Text1)); }
  std::string WidgetText() { return FromQt(console()->toPlainText()); }

  services::ScriptedServices svc;
  forms::Runtime rt{svc};
  Binder binder{rt};
  int ended = 0;
};

TEST_F(BinderTest, WindowShowsTheFormWithItsControlsAtTheirPlaces) {
  FormWindow* window = binder.WindowOf("Console");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QString("Console"));
  EXPECT_EQ(console()->geometry(), QRect(10, 10, 400, 300));
  auto* label = static_cast<QLabel*>(binder.ViewOf(form().Label1)->widget());
  EXPECT_EQ(label->text(), QString("Status"));
  EXPECT_NE(dynamic_cast<QLineEdit*>(binder.ViewOf(form().Name)->widget()), nullptr);
  EXPECT_EQ(WidgetText(), "R1>");
  EXPECT_EQ(console()->textCursor().position(), 3);
}

TEST_F(BinderTest, TypedKeysGoThroughTheRuntimeAndTheWidgetShowsItsText) {
  QTest::keyClicks(console(), "show ip");
  EXPECT_EQ(form().Text1.Text(), "R1>show ip");
  EXPECT_EQ(WidgetText(), "R1>show ip");
  QTest::keyClick(console(), Qt::Key_Backspace);
  QTest::keyClick(console(), Qt::Key_Return);
  EXPECT_EQ(form().Text1.Text(), std::string("R1>show i") + CRLF + "ok" + CRLF + "R1>");
  EXPECT_EQ(WidgetText(), "R1>show i\nok\nR1>");
  EXPECT_EQ(console()->textCursor().position(), 16);  // at the end, CR LF counted once
  QTest::keyClick(console(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(console(), Qt::Key_6, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_GE(form().seen.size(), 4u);
  EXPECT_EQ(form().seen[form().seen.size() - 2], 26);
  EXPECT_EQ(form().seen.back(), 30);
  EXPECT_EQ(form().seen[form().seen.size() - 3], 13);
}

TEST_F(BinderTest, CaretKeysMoveTheWidgetCaretFromTheRuntime) {
  QTest::keyClicks(console(), "ab");
  QTest::keyClick(console(), Qt::Key_Left);
  EXPECT_EQ(form().Text1.SelStart(), 4);
  EXPECT_EQ(console()->textCursor().position(), 4);
  QTest::keyClick(console(), Qt::Key_X);
  EXPECT_EQ(WidgetText(), "R1>axb");
}

TEST_F(BinderTest, LongTranscriptIsRedrawnByAppendingOnly) {
  for (int i = 0; i < 300; ++i) {
    QTest::keyClicks(console(), "sh");
    QTest::keyClick(console(), Qt::Key_Return);
  }
  const MirrorStats stats = consoleView().Stats();
  EXPECT_EQ(stats.fullReplaces, 0u);
  EXPECT_EQ(stats.tailEdits, 0u);
  EXPECT_GE(stats.appends, 900u);
  EXPECT_EQ(console()->document()->blockCount(), 601);
  EXPECT_EQ(console()->toPlainText(), ToQtText(form().Text1.Text()));
  // Backspace at the end redraws only the tail too.
  QTest::keyClick(console(), Qt::Key_Backspace);
  EXPECT_EQ(consoleView().Stats().tailEdits, 1u);
  EXPECT_EQ(consoleView().Stats().fullReplaces, 0u);
  EXPECT_EQ(console()->toPlainText(), ToQtText(form().Text1.Text()));
}

TEST_F(BinderTest, ClickInTheTextSetsTheRuntimeCaretThenRunsMouseDown) {
  form().Text1.SetText(std::string("R1>show") + CRLF + "R1>");
  binder.Sync();
  QTextCursor at(console()->document());
  at.setPosition(11);  // after "R1>" on the second line
  const QPoint point = console()->cursorRect(at).center();
  QTest::mouseClick(console()->viewport(), Qt::LeftButton, {}, point);
  EXPECT_EQ(form().Text1.SelStart(), 12);  // bytes: CR LF counts two
  EXPECT_EQ(form().mouseButtons, std::vector<int>{1});
  EXPECT_EQ(rt.Focused(), &form().Text1);
}

TEST_F(BinderTest, ButtonsMenusAndTabGoThroughTheRuntime) {
  QTest::mouseClick(binder.ViewOf(form().Command1)->widget(), Qt::LeftButton);
  EXPECT_EQ(static_cast<QLabel*>(binder.ViewOf(form().Label1)->widget())->text(),
            QString("clicked"));
  EXPECT_EQ(rt.Focused(), &form().Command1);

  FormWindow* window = binder.WindowOf("Console");
  QAction* clear = window->menus().ActionOf(&form().mnuClear);
  ASSERT_NE(clear, nullptr);
  EXPECT_EQ(clear->text(), QString("&Clear"));
  QTest::keyClicks(console(), "abc");
  clear->trigger();
  EXPECT_EQ(WidgetText(), "R1>");

  rt.RunEvent([&] { form().Text1.SetFocus(); });
  QTest::keyClick(console(), Qt::Key_Tab);
  EXPECT_EQ(rt.Focused(), &form().Name);
  EXPECT_TRUE(binder.ViewOf(form().Name)->widget()->hasFocus() ||
              !window->isActiveWindow());  // Qt focus follows within the active window
}

TEST_F(BinderTest, HiddenControlsAndFormsFollowTheRuntime) {
  rt.RunEvent([&] { form().Command1.Visible = false; });
  EXPECT_FALSE(binder.ViewOf(form().Command1)->widget()->isVisibleTo(binder.WindowOf("Console")));
  rt.RunEvent([&] { form().Hide(); });
  ASSERT_NE(binder.WindowOf("Console"), nullptr);
  EXPECT_FALSE(binder.WindowOf("Console")->isVisible());
  rt.RunEvent([&] { form().Show(); });
  EXPECT_TRUE(binder.WindowOf("Console")->isVisible());
}

TEST_F(BinderTest, CloseBoxUnloadsTheFormAndTheLastUnloadEndsTheProgram) {
  form().refuseUnload = true;
  binder.WindowOf("Console")->close();
  EXPECT_TRUE(form().IsLoaded());
  EXPECT_TRUE(binder.WindowOf("Console")->isVisible());
  EXPECT_EQ(ended, 0);

  form().refuseUnload = false;
  binder.WindowOf("Console")->close();
  EXPECT_FALSE(form().IsLoaded());
  EXPECT_EQ(binder.WindowOf("Console"), nullptr);
  EXPECT_EQ(ended, 1);
  // Unloading restored the design values; a new window shows them after the next load.
  rt.RunEvent([&] { form().Show(); });
  EXPECT_EQ(WidgetText(), "R1>");
}

}  // namespace
}  // namespace rd::gui
