// The router simulator's console under Qt: keys typed into the real terminal window reach its
// handlers, and the widget shows the same transcript as the runtime.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <fstream>
#include <memory>

#include "app/app_host.h"
#include "gui/binder.h"
#include "qt_app.h"
#include "support/test_workdir.h"

namespace rd::gui {
namespace {

TEST(TerminalConsole, TypedKeysRunTheConsoleAndTheWidgetShowsTheTranscript) {
  test::QtApp();
  test::TestWorkdir work;
  work.BuildDatabase({"../scripts/terminal/terminal_fixture.sql"});
  std::ofstream("simulator-logo.gif") << "GIF89a";
  services::ScriptedServices svc;
  std::unique_ptr<AppHost> host = MakeApp(svc);
  Binder binder(host->ui());
  binder.onAllUnloaded = [] {};
  ASSERT_TRUE(host->Start());

  auto& main = host->ui().GetForm("Form17");
  host->ui().ChooseMenu(dynamic_cast<forms::Menu&>(*main.FindControl("mnursim")));
  auto& console = dynamic_cast<forms::TextBox&>(*host->ui().GetForm("Form2").FindControl("Text1"));
  ControlView* view = binder.ViewOf(console);
  ASSERT_NE(view, nullptr);
  auto* edit = qobject_cast<QPlainTextEdit*>(view->widget());
  ASSERT_NE(edit, nullptr);

  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "enable");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "conf t");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);

  const std::string expected =
      "press enter to begin\r\nR1>enable\r\nR1#conf t\r\nR1(config)#\r\n"
      "%SYS-5-CONFIG_I: Configured from console by console\r\nR1#";
  EXPECT_EQ(console.Text(), expected);
  QString shown = QString::fromStdString(expected);
  shown.replace("\r\n", "\n");
  EXPECT_EQ(edit->toPlainText(), shown);
  EXPECT_TRUE(svc.shown.empty());
}

}  // namespace
}  // namespace rd::gui
