// Whether the device the console drives can reach a device named by host name or address.
#pragma once

#include <string>

#include "platform/db/db.h"

namespace rd {

struct Reachability {
  bool reachable = false;
  std::string column;        // working-column name of the target device (when reachable)
  std::string interfaceKey;  // its interface address row, e.g. "ethernet0_ip_address"
};

// target: a host name, or an address when it contains ".". The own device is the first working
// column whose host name equals `ownHostName`; it and the target each need their (first
// addressed, or named) interface not shut down and routing "enable". Comparisons of values are
// exact. Reads the table only; changes nothing.
Reachability CheckReachability(db::Connection& conn, const std::string& ownHostName,
                               const std::string& target);

}  // namespace rd
