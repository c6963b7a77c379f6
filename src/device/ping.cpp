#include "device/ping.h"

#include "device/reachability.h"
#include "device/unreachable.h"

namespace rd {

std::string PingHost(db::Connection& conn, const std::string& ownHostName,
                     const std::string& target) {
  if (!CheckReachability(conn, ownHostName, target).reachable) return UnreachableText(target);
  return "\r\nType escape sequence to abort.\r\nSending 5,100-byte ICMP Echos to  " + target +
         " ,\r\nTimeout is 2 seconds:\r\n !!!!! \r\nSuccess rate is 100 percent "
         "(5/5), round-trip min/avg/max = 6/6/6 ms";
}

}  // namespace rd
