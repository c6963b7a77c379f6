#include "device/ping.h"

#include "device/device_state.h"
#include "device/reachability.h"
#include "device/unreachable.h"

namespace rd {

void PingHost(App& app) {
  const std::string target = WordAt(SplitAtBlanks(app.g.gCommandLine), 1);
  if (!CheckReachability(app, target).reachable) {
    app.g.gResponse = UnreachableText(target);
    return;
  }
  app.g.gResponse = "\r\nType escape sequence to abort.\r\nSending 5,100-byte ICMP Echos to  " +
                    target +
                    " ,\r\nTimeout is 2 seconds:\r\n !!!!! \r\nSuccess rate is 100 percent "
                    "(5/5), round-trip min/avg/max = 6/6/6 ms";
}

}  // namespace rd
