// The saved configuration of a device: its `startup-config` row.
#pragma once

#include <string>

#include "device/show_template.h"
#include "platform/db/db.h"

namespace rd {

// Renders the lines after the first line "show running-config" of "showcommands.txt" (working
// directory), up to the first empty line, with the show output's substitution for `device`,
// and stores them, each line preceded by CR LF and one more CR LF at the end, in its
// `startup-config` working cell. Throws std::runtime_error naming what is missing.
void CopyRunningToStartup(db::Connection& conn, const TemplateDevice& device);

// Sets row `key` (the second keyword of the erase command) of working column `column` to
// "%% Non-volatile configuration memory is not present". Throws db::DbError when the row or
// the column is missing.
void EraseStartupConfig(db::Connection& conn, const std::string& column, const std::string& key);

}  // namespace rd
