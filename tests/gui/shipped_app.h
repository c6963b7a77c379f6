// A test that runs the program under Qt on a copy of the shipped run folder: the main window is
// up, and controls are reached by window and name through the binder's views.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "app/app_host.h"
#include "gui/binder.h"
#include "qt_app.h"
#include "support/test_workdir.h"

namespace rd::gui {

class ShippedAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::QtApp();
    std::filesystem::copy(RD_BINARY_DIR "/run", work_.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    test::TestWorkdir::RegisterDsn(test::TestWorkdir::kDatabaseName);
    host_ = MakeApp(svc_);
    binder_ = std::make_unique<Binder>(host_->ui());
    binder_->onAllUnloaded = [] {};
    ASSERT_TRUE(host_->Start());
  }

  forms::Control& Control(const std::string& form, const std::string& name) {
    return *host_->ui().GetForm(form).FindControl(name);
  }
  // The widget that draws the control, when it is one of type W.
  template <class W>
  W* Widget(const std::string& form, const std::string& name) {
    ControlView* view = binder_->ViewOf(Control(form, name));
    return view == nullptr ? nullptr : qobject_cast<W*>(view->widget());
  }
  void Press(const std::string& form, const std::string& button) {
    QPushButton* widget = Widget<QPushButton>(form, button);
    ASSERT_NE(widget, nullptr) << button;
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  // Triggers the menu item that `path` names from the menu bar of `window` down, as the user
  // would choose it.
  void ChooseMenu(FormWindow& window, std::initializer_list<const char*> path) {
    QList<QAction*> actions = window.menuBar()->actions();
    QAction* found = nullptr;
    for (const char* caption : path) {
      const auto it = std::find_if(actions.begin(), actions.end(),
                                   [&](QAction* a) { return a->text() == caption; });
      ASSERT_NE(it, actions.end()) << caption;
      found = *it;
      if (found->menu() != nullptr) actions = found->menu()->actions();
    }
    found->trigger();
  }
  bool Shows(const std::string& form) {
    FormWindow* window = binder_->WindowOf(form);
    return window != nullptr && window->isVisible();
  }

  test::TestWorkdir work_;
  services::ScriptedServices svc_;
  std::unique_ptr<AppHost> host_;
  std::unique_ptr<Binder> binder_;
};

}  // namespace rd::gui
