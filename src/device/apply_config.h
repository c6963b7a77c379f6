// Stores what a recognised configuration command sets into the current device's working
// column of `routervariables`.
#pragma once

#include <string>
#include <vector>

#include "shell/app.h"

namespace rd {

enum class ConfigResult {
  Applied,          // the writes of the command were made
  AddressInUse,     // "ip address" with an address held by ethernet0 or serial0 of some device;
                    // gResponse says so
  MissingVariable,  // a variable of the command has no row; a message box named it, nothing written
};

// names: parameter names of the matched node (rewritten in place with the sub-mode prefix
// gCurrentInterface + "_" when gCurrentInterface is not "nill"); cmdText: the stored keywords
// of the command joined by single blanks. Reads gCommandLine (line words 2 and 1 for the
// address check and "disconnect"), gDeviceColumn and gPlaceholderValues. Writes keyword values
// ("shutdown"/"down", "nill"/"up", "enable", "disable") or the placeholder slots in order;
// "disconnect" first frees the cell holding line word 1 in any device column; "hostname"
// refreshes gHostName. A missing row is named in a message box before anything is written.
ConfigResult ApplyConfigCommand(App& app, std::vector<std::string>& names,
                                const std::string& cmdText);

}  // namespace rd
