#include "app/app_host.h"

#include <exception>
#include <string>

#include "authoring/authoring_windows.h"
#include "labs/form25.h"
#include "labs/lab_windows.h"
#include "shell/form17.h"
#include "terminal/form2.h"
#include "terminal/terminal_windows.h"

namespace rd {

AppHost::AppHost(services::Services& services) : ui_(services), app_(ui_) {
  Form17& main = app_.AddWindow(std::make_unique<Form17>(app_));
  RegisterAuthoringWindows(app_);
  RegisterTerminalWindows(app_);
  RegisterLabWindows(app_);
  main.SetDestinations({&app_.Window<Form2>(), &app_.Window<Form25>(),
                        [this]() -> forms::Form& { return AdministratorEntry(app_); }});
}

bool AppHost::Start() {
  bool started = true;
  ui_.RunEvent([this, &started] {
    forms::Form& main = app_.Window<Form17>();
    try {
      main.Show();
    } catch (const std::exception& e) {
      started = false;
      ui_.MsgBox(std::string("routedrill cannot start: ") + e.what(), services::vbCritical);
      main.Unload();
    }
  });
  return started;
}

std::unique_ptr<AppHost> MakeApp(services::Services& services) {
  return std::make_unique<AppHost>(services);
}

}  // namespace rd
