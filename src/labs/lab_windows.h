// The guided lab's windows for the composition root.
#pragma once

#include "shell/app.h"

namespace rd {

// Registers the lab window Form25 and its companions: the answers Form26, the network diagram
// Form27, the score Form28 and the flash card Form32.
void RegisterLabWindows(App& app);

}  // namespace rd
