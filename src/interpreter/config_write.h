// The configuration write of a recognised command node.
#pragma once

#include <string>

#include "interpreter/command_tree.h"
#include "shell/app.h"

namespace rd::interp {

// Stores what `node` sets, under its parameter names, for the command text `cmdText` (the
// stored keywords of the line). A refused address leaves its message in gResponse; a variable
// missing from the device table has been named in a message box, and the command's own response
// is then dropped (gResponse "nill").
void WriteConfig(App& app, const TreeNode& node, const std::string& cmdText);

}  // namespace rd::interp
