// routedrill: the trainer's desktop program. Runs in its run folder, shows the main window and
// ends when the last window is unloaded.
#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/app_host.h"
#include "gui/binder.h"
#include "gui/qt_services.h"
#include "gui/run_folder.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // hidden windows may still be loaded forms
  std::filesystem::current_path(rd::gui::ChooseRunFolder(
      std::filesystem::current_path(), QCoreApplication::applicationDirPath().toStdString()));

  rd::gui::QtServices services;
  std::unique_ptr<rd::AppHost> host = rd::MakeApp(services);
  rd::gui::Binder binder(host->ui());
  services.beforeModal = [&binder] { binder.Sync(); };
  if (!host->Start()) return 1;
  return QApplication::exec();
}
