// Reading the show-output template "showcommands.txt" and filling its "$" references. Shared by
// the show output and the startup-configuration copy.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/device_state.h"
#include "platform/db/db.h"

namespace rd {

inline constexpr const char* kShowTemplateFile = "showcommands.txt";

// The device whose values fill the template.
struct TemplateDevice {
  std::string column;  // its working column
  std::string uptime;  // what "$uptime" stands for: minutes since the console opened
};

// Splits text into lines at CR LF, LF or CR; a final line break ends the last line.
std::vector<std::string> SplitLines(const std::string& text);

// The output lines of every block of the template file whose head line equals `head` exactly,
// in file order; the empty line that ends a block is not included. Throws std::runtime_error
// when the file cannot be read.
std::vector<std::vector<std::string>> ReadTemplateBlocks(const std::string& path,
                                                         const std::string& head);

// The lines that follow the first line of the template file equal to `head` exactly, wherever
// it stands, up to the first empty line; nothing when no line equals `head`. Throws
// std::runtime_error when the file cannot be read.
std::optional<std::vector<std::string>> ReadLinesAfter(const std::string& path,
                                                       const std::string& head);

// One output line with its references filled from `device`'s working column, each read with
// the query spelling `form`: each "$name" becomes the value, a piece "$uptime" with nothing
// after it the uptime. Nothing when the line is only a reference whose value is "nill". Throws
// db::DbError naming a reference that has no row.
std::optional<std::string> SubstituteLine(db::Connection& conn, const TemplateDevice& device,
                                          const std::string& line, VariableQuery form);

}  // namespace rd
