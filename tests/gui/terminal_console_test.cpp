// The router simulator's console under Qt: keys typed into the real terminal window reach its
// handlers, and the widget shows the same transcript as the runtime.
#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/app_host.h"
#include "gui/binder.h"
#include "qt_app.h"
#include "support/device_cells.h"
#include "support/test_workdir.h"

namespace rd::gui {
namespace {

// The terminal window under the binder, opened from the main window on the terminal fixture
// database (and any SQL given after it).
class TerminalWindowTest : public ::testing::Test {
 protected:
  TerminalWindowTest() { test::QtApp(); }

  void Open(const std::string& extraSql = "") {
    std::vector<std::string> fixtures{"../scripts/terminal/terminal_fixture.sql"};
    if (!extraSql.empty()) fixtures.push_back(extraSql);
    work_.BuildDatabase(fixtures);
    std::ofstream("simulator-logo.gif") << "GIF89a";
    host_ = MakeApp(svc_);
    binder_ = std::make_unique<Binder>(host_->ui());
    binder_->onAllUnloaded = [] {};
    ASSERT_TRUE(host_->Start());
    auto& main = host_->ui().GetForm("Form17");
    host_->ui().ChooseMenu(dynamic_cast<forms::Menu&>(*main.FindControl("mnursim")));
    edit_ = qobject_cast<QPlainTextEdit*>(binder_->ViewOf(console())->widget());
    ASSERT_NE(edit_, nullptr);
  }
  forms::TextBox& console() {
    return dynamic_cast<forms::TextBox&>(*host_->ui().GetForm("Form2").FindControl("Text1"));
  }

  test::TestWorkdir work_;
  services::ScriptedServices svc_;
  std::unique_ptr<AppHost> host_;
  std::unique_ptr<Binder> binder_;
  QPlainTextEdit* edit_ = nullptr;
};

TEST_F(TerminalWindowTest, TypedKeysRunTheConsoleAndTheWidgetShowsTheTranscript) {
  Open();
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClicks(edit_, "enable");
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClicks(edit_, "conf t");
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClick(edit_, Qt::Key_Z, Qt::ControlModifier);

  const std::string expected =
      "press enter to begin\r\nR1>enable\r\nR1#conf t\r\nR1(config)#\r\n"
      "%SYS-5-CONFIG_I: Configured from console by console\r\nR1#";
  EXPECT_EQ(console().Text(), expected);
  QString shown = QString::fromStdString(expected);
  shown.replace("\r\n", "\n");
  EXPECT_EQ(edit_->toPlainText(), shown);
  EXPECT_TRUE(svc_.shown.empty());
}

// Presses the keys that type text, as a keyboard with those characters sends them (the test
// library's own typing knows ASCII only).
void TypeText(QWidget* widget, const QString& text) {
  for (const uint cp : text.toUcs4()) {
    const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
    const int key = cp < 0x80 ? character.toUpper()[0].unicode() : int{Qt::Key_unknown};
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
  }
}

// Characters outside ASCII, typed on the keyboard or committed by an input method, reach the
// console: in a password, in a command line and in the stored host name, which stays UTF-8.
// Backspace takes such a character back whole.
TEST_F(TerminalWindowTest, CharactersOutsideAsciiAreTypedAndStoredAsUtf8) {
  Open(
      "UPDATE routervariables SET R1save = 'p\xC3\xA4ss' WHERE Config_Variable = "
      "'lineconsole_pass';");
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClicks(edit_, "p");
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("\xC3\xA4"));
  QApplication::sendEvent(edit_, &composed);
  QTest::keyClicks(edit_, "ss");
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClicks(edit_, "enable");
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClicks(edit_, "conf t");
  QTest::keyClick(edit_, Qt::Key_Return);
  TypeText(edit_, QString::fromUtf8("hostname Caf\xC3\xA9\xC3\xBC"));
  QTest::keyClick(edit_, Qt::Key_Backspace);
  TypeText(edit_, QString::fromUtf8("\xC2\xA3"));
  QTest::keyClick(edit_, Qt::Key_Return);

  EXPECT_EQ(host_->app().g.gHostName, "Caf\xC3\xA9\xC2\xA3");
  EXPECT_EQ(test::ReadCell("HostName", "R1"), "Caf\xC3\xA9\xC2\xA3");
  EXPECT_NE(console().Text().find("password:****\r\nR1>enable\r\n"), std::string::npos)
      << console().Text();
  const std::string lastLines =
      "R1(config)#hostname Caf\xC3\xA9\xC2\xA3\r\nCaf\xC3\xA9\xC2\xA3(config)#";
  EXPECT_NE(console().Text().find(lastLines), std::string::npos) << console().Text();
  EXPECT_TRUE(edit_->toPlainText().contains(QString::fromUtf8("\nCaf\xC3\xA9\xC2\xA3(config)#")));
  EXPECT_TRUE(svc_.shown.empty());
}

// Enlarged, the window grows the console with it and keeps the logo and the buttons beside
// it; it can't be made smaller than its design size; the design positions stay as they are.
TEST_F(TerminalWindowTest, TheConsoleGrowsWithItsWindow) {
  Open();
  FormWindow* window = binder_->WindowOf("Form2");
  ASSERT_NE(window, nullptr);
  forms::Form& form2 = host_->ui().GetForm("Form2");
  auto geometryOf = [&](const std::string& control) {
    return binder_->ViewOf(*form2.FindControl(control))->widget()->geometry();
  };
  const QSize design = window->centralWidget()->size();
  EXPECT_EQ(geometryOf("Text1"), QRect(16, 40, 600, 480));

  window->resize(window->size() + QSize(200, 100));
  QApplication::processEvents();
  const QSize extra = window->centralWidget()->size() - design;
  EXPECT_EQ(extra, QSize(200, 100));
  EXPECT_EQ(geometryOf("Text1"), QRect(16, 40, 800, 580));
  EXPECT_EQ(geometryOf("Label1"), QRect(16, 8, 200, 24));
  EXPECT_EQ(geometryOf("Picture1"), QRect(840, 8, 140, 100));
  EXPECT_EQ(geometryOf("Command1"), QRect(840, 200, 140, 32));
  EXPECT_EQ(geometryOf("Command4"), QRect(840, 296, 140, 32));

  window->resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(window->centralWidget()->size(), design);
  EXPECT_EQ(geometryOf("Text1"), QRect(16, 40, 600, 480));
  EXPECT_EQ(console().Width, 600);
  EXPECT_EQ(console().Height, 480);
}

}  // namespace
}  // namespace rd::gui
