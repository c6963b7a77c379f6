// "?" typed on an empty console line.
#pragma once

#include "shell/app.h"

namespace rd {

// Appends "list of supported Commands in this mode:" and every enabled first word of the mode
// gPrompt with its help text to Form2.Text1, then a fresh prompt, and sends "{UP}". A list of
// more than 24 rows shows its first 25 lines and "--MORE--" and is handed to the pager through
// gMorePending and gMoreLines. Expects no paging to be active.
void ListModeCommands(App& app);

}  // namespace rd
