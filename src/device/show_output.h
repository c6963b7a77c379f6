// Show output from the template "showcommands.txt" in the working directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "device/show_template.h"
#include "platform/db/db.h"
#include "platform/services/services.h"

namespace rd {

// The output of show command `cmdText` (matched exactly against the template's block heads),
// every line ended by CR LF, with every "$name" reference filled from `device`'s working
// column; a line that is only a reference whose value is "nill" is left out. "show history"
// gives the `history` entries instead, one per line. The filled lines pass through a scratch
// file of this process in the user's temporary folder. Throws std::runtime_error (db::DbError
// included) naming what failed: an unreadable template, a reference without a row, a scratch
// file that cannot be written.
std::string ShowCommandOutput(db::Connection& conn, const TemplateDevice& device,
                              const std::vector<std::string>& history, const std::string& cmdText);

// The scratch file of this process ("test1.txt" in the user's temporary folder).
const std::filesystem::path& ShowScratchFile();

// Minutes from startHour:startMinute to `now`, as decimal text; counted on through midnight,
// never negative.
std::string GetRouterUptime(services::Clock now, int startHour, int startMinute);

}  // namespace rd
