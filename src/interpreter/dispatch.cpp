#include "interpreter/dispatch.h"

#include <string_view>

#include "device/ping.h"
#include "device/show_output.h"
#include "device/startup_config.h"
#include "device/telnet.h"

namespace rd::interp {
namespace {

enum class LineKind { Show, Copy, Erase, Telnet, Resume, Ping, Interface, Line, Other };

// The first keyword compared exactly, as stored.
LineKind KindOf(std::string_view first) {
  if (first == "show") return LineKind::Show;
  if (first == "copy") return LineKind::Copy;
  if (first == "erase") return LineKind::Erase;
  if (first == "telnet") return LineKind::Telnet;
  if (first == "resume") return LineKind::Resume;
  if (first == "ping") return LineKind::Ping;
  if (first == "interface") return LineKind::Interface;
  if (first == "line") return LineKind::Line;
  return LineKind::Other;
}

std::string ShowText(const std::vector<std::string>& keywords) {
  std::string text = "show";
  for (size_t k = 1; k < keywords.size(); ++k) {
    if (!keywords[k].empty()) text += " " + keywords[k];
  }
  return text;
}

}  // namespace

void DispatchLine(App& app, const std::vector<std::string>& keywords) {
  switch (KindOf(keywords.at(0))) {
    case LineKind::Show:
      ShowCommandOutput(app, ShowText(keywords));
      return;
    case LineKind::Copy:
      CopyRunningToStartup(app);
      return;
    case LineKind::Erase:
      EraseStartupConfig(app, keywords.at(1));
      return;
    case LineKind::Telnet:
      TelnetToHost(app);
      return;
    case LineKind::Resume:
      ResumeTelnetSession(app);
      return;
    case LineKind::Ping:
      PingHost(app);
      return;
    case LineKind::Interface:
      app.g.gCurrentInterface = keywords.at(1) + keywords.at(2);
      return;
    case LineKind::Line:
      app.g.gCurrentInterface = "line" + keywords.at(1);
      return;
    case LineKind::Other:
      return;
  }
}

}  // namespace rd::interp
