// The administrator windows under Qt: the home's menu bar with its two disabled menus, a
// choice screen whose table grows with a long listing, and listings whose headings stay in
// sight while their cells scroll.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/app_host.h"
#include "authoring/form23.h"
#include "authoring/form24.h"
#include "authoring/form4.h"
#include "authoring/form6.h"
#include "gui/binder.h"
#include "qt_app.h"
#include "shell/form17.h"
#include "support/test_workdir.h"

namespace rd::gui {
namespace {

class AdminWindows : public ::testing::Test {
 protected:
  AdminWindows() {
    test::QtApp();
    work_.BuildDatabase({
        "INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');"
        "INSERT INTO sublab VALUES (2, 'Long Lab', 'nill', 'nill', 'nill', 'nill', 1);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30)"
        "  INSERT INTO instructions SELECT i, 'Step ' || i, 2, NULL, NULL, 'R1' FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30)"
        "  INSERT INTO comrestble SELECT i, 'show interfaces ethernet ' || i,"
        "    'Ethernet' || i || ' is up, line protocol is up', '#', '#', NULL, 1 FROM n;",
    });
    std::filesystem::copy_file(RD_BINARY_DIR "/run/simulator-logo.gif", "simulator-logo.gif");
    host_ = MakeApp(svc_);
    binder_ = std::make_unique<Binder>(host_->ui());
    binder_->onAllUnloaded = [] {};
    EXPECT_TRUE(host_->Start());
    App& app = host_->app();
    ui().ChooseMenu(app.Window<Form17>().mnuadmin);
    Form4& login = app.Window<Form4>();
    ui().RunEvent([&] {
      login.Text1.SetText("admin");
      login.Text2.SetText("tulip");
    });
    ui().Click(login.Command2);
  }

  forms::Runtime& ui() { return host_->ui(); }
  template <class W>
  W* WidgetOf(const forms::Control& c) {
    return static_cast<W*>(binder_->ViewOf(c)->widget());
  }

  test::TestWorkdir work_;
  services::ScriptedServices svc_;
  std::unique_ptr<AppHost> host_;
  std::unique_ptr<Binder> binder_;
};

TEST_F(AdminWindows, HomeShowsItsMenusWithExamsAndSimulatorDisabled) {
  FormWindow* home = binder_->WindowOf("Form6");
  ASSERT_NE(home, nullptr);
  QStringList enabled, disabled;
  for (QAction* a : home->menuBar()->actions()) (a->isEnabled() ? enabled : disabled) << a->text();
  EXPECT_EQ(enabled, QStringList({"Labs"}));
  EXPECT_EQ(disabled, QStringList({"Exams", "simulator"}));
}

TEST_F(AdminWindows, AChoiceScreenTableHoldsEveryListedRow) {
  App& app = host_->app();
  ui().ChooseMenu(app.Window<Form6>().mnumdins);
  Form23& choice = app.Window<Form23>();
  ui().DropDownAndChoose(choice.Combo1, "Long Lab");
  auto* table = WidgetOf<QTableWidget>(choice.MSFlexGrid1);
  ASSERT_EQ(table->rowCount(), 30);
  ASSERT_NE(table->horizontalHeaderItem(0), nullptr);
  EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QString("index"));
  EXPECT_EQ(table->item(29, 1)->text(), QString("Step 30"));
}

// A long listing scrolled to its end keeps its headings in sight: the column headings above
// the cells, the index column beside them and "index" in the corner where the two meet.
TEST_F(AdminWindows, AListingScrolledToItsEndKeepsItsHeadingsInSight) {
  App& app = host_->app();
  ui().ChooseMenu(app.Window<Form6>().mnulabdel);
  Form24& deletion = app.Window<Form24>();
  ui().DropDownAndChoose(deletion.Combo1, "Long Lab");
  auto* table = WidgetOf<QTableWidget>(deletion.MSFlexGrid1);
  QApplication::processEvents();
  for (QScrollBar* bar : {table->verticalScrollBar(), table->horizontalScrollBar()}) {
    ASSERT_GT(bar->maximum(), 0) << "the listing fits: nothing to scroll";
    bar->setValue(bar->maximum());
  }
  QApplication::processEvents();
  const QRect cells = table->viewport()->geometry();
  ASSERT_GT(table->rowAt(0), 0);
  EXPECT_EQ(table->rowAt(cells.height() - 1), 29);
  EXPECT_EQ(table->columnAt(cells.width() - 1), 3);

  QHeaderView* columns = table->horizontalHeader();
  QHeaderView* rows = table->verticalHeader();
  ASSERT_TRUE(columns->isVisible() && rows->isVisible());
  EXPECT_LE(columns->geometry().bottom(), cells.top());
  EXPECT_LE(rows->geometry().right(), cells.left());
  ASSERT_NE(table->horizontalHeaderItem(3), nullptr);
  EXPECT_EQ(table->horizontalHeaderItem(3)->text(), QString("responseprompt"));
  ASSERT_NE(table->verticalHeaderItem(29), nullptr);
  EXPECT_EQ(table->verticalHeaderItem(29)->text(), QString("30"));
  auto* corner = table->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->text(), QString("index"));
  EXPECT_GE(corner->width(), corner->fontMetrics().horizontalAdvance("index"));
}

// The main window stays usable behind the administrator windows: entering the area again
// brings its open window to the front rather than a second login.
TEST_F(AdminWindows, EnteringTheAreaAgainBringsItsOpenWindowToTheFront) {
  App& app = host_->app();
  FormWindow* main = binder_->WindowOf("Form17");
  FormWindow* home = binder_->WindowOf("Form6");
  ASSERT_NE(main, nullptr);
  ASSERT_NE(home, nullptr);
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  ui().ChooseMenu(app.Window<Form17>().mnuadmin);
  EXPECT_FALSE(app.Window<Form4>().IsLoaded());
  EXPECT_TRUE(QTest::qWaitForWindowActive(home));
}

}  // namespace
}  // namespace rd::gui
