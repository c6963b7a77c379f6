// "telnet <target>" and "resume <session>".
#pragma once

#include "shell/app.h"

namespace rd {

// The target is word 1 of gCommandLine. Unreachable: the failure text in gResponse and gPrompt
// "#". Reachable: the connection text naming the origin, the origin kept in gSavedHostName /
// gSavedDeviceColumn, the console switched to the target (gHostName, gDeviceColumn), the
// target's vty password armed for the terminal when it has one, and a session number given to
// the target if it has none. gPrompt is left alone on success.
void TelnetToHost(App& app);

// The session number is word 1 of gCommandLine. Switches to the first device whose session
// number (or host name) equals it: gDeviceColumn, gHostName, gResponse "nill", gPrompt ">".
// No such device: nothing changes.
void ResumeTelnetSession(App& app);

}  // namespace rd
