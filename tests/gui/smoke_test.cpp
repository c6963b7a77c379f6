// The program's main window under Qt, started on a fixture database: the window, its six lab
// menus with their exercises, and the end of the program when it is closed.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "app/app_host.h"
#include "gui/binder.h"
#include "qt_app.h"
#include "support/test_workdir.h"

namespace rd::gui {
namespace {

QMenu* SubmenuOf(const QList<QAction*>& actions, const QString& text) {
  for (QAction* a : actions) {
    if (a->text() == text) return a->menu();
  }
  return nullptr;
}

QStringList VisibleTexts(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) {
    if (a->isVisible()) out.push_back(a->text());
  }
  return out;
}

TEST(Smoke, MainWindowShowsTheSixLabMenusAndClosingItEndsTheProgram) {
  test::QtApp();
  test::TestWorkdir work;
  work.BuildDatabase({
      "INSERT INTO labs VALUES (1, 'CLI Fundamental Labs'), (2, 'Routing Fundamentals Lab'),"
      " (3, 'Access Lists'), (4, 'Switch Fundamentals'), (5, 'Switch Configuration And VLAN'),"
      " (6, 'Wide Area Networking');",
      "INSERT INTO sublab VALUES (7, 'Standard ACL', 'nill', 'nill', 'nill', 'nill', 3),"
      " (2, 'Named ACL', 'nill', 'nill', 'nill', 'nill', 3);",
  });
  services::ScriptedServices svc;
  std::unique_ptr<AppHost> host = MakeApp(svc);
  Binder binder(host->ui());
  int ended = 0;
  binder.onAllUnloaded = [&] { ++ended; };
  ASSERT_TRUE(host->Start());

  FormWindow* main = binder.WindowOf("Form17");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->windowTitle(), QString("Router SImulator"));
  QMenu* labs = SubmenuOf(main->menuBar()->actions(), "&Lab Exercises");
  ASSERT_NE(labs, nullptr);
  const QStringList captions = VisibleTexts(labs);
  for (const char* category :
       {"&Switch Fundamentals", "CLI Fundamental Labs", "Switch Configuration And VLAN",
        "Access Lists", "Routing Fundamentals Lab", "Wide Area Networking"}) {
    EXPECT_TRUE(captions.contains(category)) << category;
  }
  QMenu* access = SubmenuOf(labs->actions(), "Access Lists");
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(VisibleTexts(access), QStringList({"Named ACL", "Standard ACL"}));

  main->close();
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(host->ui().AnyLoaded());
  EXPECT_EQ(binder.WindowOf("Form17"), nullptr);
}

}  // namespace
}  // namespace rd::gui
