// The one QApplication of the GUI tests, on the offscreen platform (no display needed), with one
// screen of a common desktop size (1920 by 1080), so that every window fits as it would there.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace rd::test {

inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;

inline QApplication& QtApp() {
  static QApplication* app = [] {
    const std::filesystem::path screens =
        std::filesystem::temp_directory_path() /
        ("routedrill-screen-" + std::to_string(getpid()) + ".json");
    std::ofstream(screens) << R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": )"
                           << kScreenWidth << R"(, "height": )" << kScreenHeight
                           << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.string()).c_str(), 1);
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    auto* a = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::filesystem::remove(screens);
    return a;
  }();
  return *app;
}

}  // namespace rd::test
