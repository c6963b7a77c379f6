// The terminal's windows for the composition root.
#pragma once

#include "shell/app.h"

namespace rd {

// Registers the router simulator terminal Form2, the network diagram Form1 and the
// supported-commands page Form33 with app.ui.
void RegisterTerminalWindows(App& app);

}  // namespace rd
