// The administrator area's windows for the composition root.
#pragma once

#include "shell/app.h"

namespace rd {

// Registers the login Form4, the administrator home Form6 and the authoring windows Form20 to
// Form24 and Form29 to Form31 with app.ui.
void RegisterAuthoringWindows(App& app);

}  // namespace rd
