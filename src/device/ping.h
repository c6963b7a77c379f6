// "ping <target>".
#pragma once

#include "shell/app.h"

namespace rd {

// The target is word 1 of gCommandLine. gResponse := the fixed success transcript when the
// target is reachable, else "Trying <target>" CR LF "% Destination unreachable; gateway or
// host down". Changes nothing else.
void PingHost(App& app);

}  // namespace rd
