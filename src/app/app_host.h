// Composition root: owns the window runtime, the shared state and every window.
#pragma once

#include <memory>

#include "platform/forms/forms.h"
#include "platform/services/services.h"
#include "shell/app.h"

namespace rd {

class AppHost {
 public:
  explicit AppHost(services::Services& services);
  forms::Runtime& ui() { return ui_; }
  App& app() { return app_; }
  // Loads and shows the main window, the program's first and only window at start. When that
  // fails (no database, say) a message box explains why, no window stays open, and the result
  // is false.
  bool Start();

 private:
  forms::Runtime ui_;
  App app_;
};

std::unique_ptr<AppHost> MakeApp(services::Services& services);

}  // namespace rd
