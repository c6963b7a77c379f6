// Carries out a recognised, complete multi-word line on its first keyword.
#pragma once

#include <string>
#include <vector>

#include "shell/app.h"

namespace rd::interp {

// keywords: the stored keyword of each literally matched word (slot 0 the first word), empty
// for words matched by a placeholder. "show", "copy", "erase", "telnet", "resume" and "ping"
// run the device routine; "interface" and "line" set gCurrentInterface; any other first
// keyword does nothing.
void DispatchLine(App& app, const std::vector<std::string>& keywords);

}  // namespace rd::interp
