// The saved configuration of a device: its `startup-config` row.
#pragma once

#include <string>

#include "shell/app.h"

namespace rd {

// Renders the lines after the first line "show running-config" of "showcommands.txt" (working
// directory), up to the first empty line, with the show output's substitution and stores them,
// each line preceded by CR LF and one more CR LF at the end, in the current device's
// `startup-config` working cell. gResponse is untouched.
void CopyRunningToStartup(App& app);

// Sets row `key` (the second keyword of the erase command) of the current device's working
// column to "%% Non-volatile configuration memory is not present". gResponse is untouched.
void EraseStartupConfig(App& app, const std::string& key);

}  // namespace rd
