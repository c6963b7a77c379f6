// Show output from the template "showcommands.txt" in the working directory.
#pragma once

#include <string>

#include "shell/app.h"

namespace rd {

// Builds the output of show command `cmdText` (matched exactly against the template's block
// heads) into gShowOutput, with every "$name" reference filled from the current device's
// working column; a line that is only a reference whose value is "nill" is left out. "show
// history" appends the filled history slots instead. The substituted lines pass through the
// scratch file "test1.txt". Sets gShowReady, and gMorePending when the output has 25 lines or
// more.
void ShowCommandOutput(App& app, const std::string& cmdText);

// Minutes since gStartHour:gStartMinute by the services clock, as decimal text; counted on
// through midnight, never negative.
std::string GetRouterUptime(App& app);

}  // namespace rd
