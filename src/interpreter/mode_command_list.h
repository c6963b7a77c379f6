// "?" typed on an empty console line.
#pragma once

#include <string>

#include "platform/db/db.h"

namespace rd {

// The mode's command list, lines joined by CR LF: "list of supported Commands in this mode:",
// then every enabled first word whose mode is exactly `prompt`, with two blanks per character
// short of 20 and its help text.
std::string ListModeCommands(db::Connection& conn, const std::string& prompt);

}  // namespace rd
