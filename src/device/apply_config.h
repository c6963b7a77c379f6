// Stores what a recognised configuration command sets into the current device's working
// column of `routervariables`.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/db/db.h"

namespace rd {

enum class ConfigResult {
  Applied,          // the writes of the command were made
  AddressInUse,     // "ip address" with an address another interface cell already holds
  MissingVariable,  // a variable of the command has no row or cell; nothing was written
};

struct ConfigRequest {
  std::vector<std::string> names;      // parameter names of the matched node, as stored
  std::string cmdText;                 // the stored keywords of the command, joined by blanks
  std::vector<std::string> lineWords;  // the typed line split at every blank
  std::string column;                  // working column of the current device
  std::string currentInterface;        // object of the current sub-mode; "nill" outside one
  std::vector<std::string> values;     // placeholder values stored for this line, slot by slot
};

struct ConfigOutcome {
  ConfigResult result = ConfigResult::Applied;
  std::string missingVariable;          // the key, when result is MissingVariable
  std::optional<std::string> hostName;  // after "hostname": the device's new host name
};

// Names get the sub-mode prefix currentInterface + "_" unless it is "nill". Writes keyword
// values ("shutdown"/"down", "nill"/"up", "enable", "disable") or the placeholder values in
// slot order (an empty slot skips its name); "disconnect" first frees the cell holding line word
// 1 in any device column. "ip address" is refused when its address (line word 2) is already held
// by an ethernet0 or serial0 address cell other than the one it would write. Every variable is
// checked before anything is written.
ConfigOutcome ApplyConfigCommand(db::Connection& conn, const ConfigRequest& request);

}  // namespace rd
