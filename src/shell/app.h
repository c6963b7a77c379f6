// The application object: shared program state plus the window runtime (windows, focus,
// send-keys, message boxes, dialogs, clock). Every routine that needs either takes an App&.
#pragma once

#include "platform/forms/forms.h"
#include "shell/module1.h"

namespace rd {

struct App {
  explicit App(forms::Runtime& runtime) : ui(runtime) {}
  Module1 g;
  forms::Runtime& ui;
};

}  // namespace rd
