// The administrator area's windows for the composition root.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

// Registers the login Form4, the administrator home Form6 and the authoring windows Form20 to
// Form24 and Form29 to Form31 with app.ui.
void RegisterAuthoringWindows(App& app);

// The window that entering the administrator area brings up: the area's window that is open
// (one at most: each window of the area opens the next in its own place), so a second entry
// cannot start a second task on the same windows and flags; the login when none is.
forms::Form& AdministratorEntry(const App& app);

}  // namespace rd
