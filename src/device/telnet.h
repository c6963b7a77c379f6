// "telnet <target>" and "resume <session>".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/device_state.h"
#include "platform/db/db.h"

namespace rd {

struct TelnetResult {
  std::string response;                  // the connection text, or the failure text
  std::optional<DeviceRef> target;       // reached: the device the console drives from now on
  std::string vtyPassword;               // the target's vty password; "nill" when it has none
  std::optional<int16_t> sessionNumber;  // the number handed to a target that had none
};

// Telnet from `origin` to `target` (a host name, or an address when it contains "."). When the
// target is reached, it keeps its session number, or gets lastSessionNumber + 1 written into
// its telnetsession_id cell. Everything is read before anything is written, so a row missing
// from the table throws db::DbError with nothing changed.
TelnetResult TelnetToHost(db::Connection& conn, const DeviceRef& origin, int16_t lastSessionNumber,
                          const std::string& target);

// The first device whose session number (or host name) equals `session`; nothing when none.
std::optional<DeviceRef> ResumeTelnetSession(db::Connection& conn, const std::string& session);

}  // namespace rd
