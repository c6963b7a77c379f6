// The one QApplication of the GUI tests, on the offscreen platform (no display needed).
#pragma once

#include <QApplication>
#include <cstdlib>

namespace rd::test {

inline QApplication& QtApp() {
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    auto* a = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return a;
  }();
  return *app;
}

}  // namespace rd::test
