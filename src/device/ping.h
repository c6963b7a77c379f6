// "ping <target>".
#pragma once

#include <string>

#include "platform/db/db.h"

namespace rd {

// The response of ping `target` from the device named `ownHostName`: the fixed success
// transcript when the target is reachable, else "Trying <target>" CR LF "% Destination
// unreachable; gateway or host down". Changes nothing.
std::string PingHost(db::Connection& conn, const std::string& ownHostName,
                     const std::string& target);

}  // namespace rd
