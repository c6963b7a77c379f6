#include "interpreter/line_run.h"

#include <string_view>

#include "device/ping.h"
#include "device/show_output.h"
#include "device/startup_config.h"
#include "device/telnet.h"
#include "platform/text/words.h"

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

// The filled history slots, oldest first.
std::vector<std::string> HistoryEntries(const Module1& g) {
  std::vector<std::string> entries;
  for (size_t slot = 1; slot < g.gHistory.size(); ++slot) {
    if (!g.gHistory[slot].empty()) entries.push_back(g.gHistory[slot]);
  }
  return entries;
}

}  // namespace

LineRun::LineRun(db::Connection& conn, const Module1& g, services::Clock now)
    : conn_(conn), g_(g), now_(now), tree_(conn), words_(text::SplitAtBlanks(g.gCommandLine)) {}

const std::string& LineRun::CurrentInterface() const {
  return result_.currentInterface ? *result_.currentInterface : g_.gCurrentInterface;
}

void LineRun::EnterMode(const std::string& nextPrompt) {
  result_.prompt = nextPrompt;
  if (nextPrompt != "(config-if)#") result_.currentInterface = "nill";
}

void LineRun::WriteConfig(const TreeNode& node, const std::string& cmdText) {
  if (!node.writesConfig) return;
  ConfigRequest request{node.paramNames, cmdText, words_, g_.gDeviceColumn, CurrentInterface(), {}};
  request.values.assign(result_.placeholders.values.begin(), result_.placeholders.values.end());
  result_.config = ApplyConfigCommand(conn_, request);
}

bool LineRun::Fits(const TreeNode& node, const std::string& word) {
  return EvalSyntax(conn_, {g_.gCommandLine, g_.gDeviceColumn}, result_.placeholders, node.command,
                    word);
}

void LineRun::Dispatch(const std::vector<std::string>& keywords) {
  const TemplateDevice device{g_.gDeviceColumn,
                              GetRouterUptime(now_, g_.gStartHour, g_.gStartMinute)};
  const std::string& target = text::WordAt(words_, 1);
  switch (KindOf(keywords.at(0))) {
    case LineKind::Show:
      result_.show = ShowCommandOutput(conn_, device, HistoryEntries(g_), ShowText(keywords));
      return;
    case LineKind::Copy:
      CopyRunningToStartup(conn_, device);
      return;
    case LineKind::Erase:
      EraseStartupConfig(conn_, g_.gDeviceColumn, keywords.at(1));
      return;
    case LineKind::Telnet: {
      const DeviceRef origin{g_.gHostName, g_.gDeviceColumn};
      TelnetResult telnet = TelnetToHost(conn_, origin, g_.gTelnetSessionCount, target);
      result_.response = telnet.response;
      if (!telnet.target) {
        result_.prompt = "#";
        return;
      }
      result_.device = telnet.target;
      result_.telnetOrigin = origin;
      result_.vtyPassword = telnet.vtyPassword;
      if (telnet.sessionNumber) result_.telnetSessionCount = telnet.sessionNumber;
      return;
    }
    case LineKind::Resume:
      if (const auto device = ResumeTelnetSession(conn_, target)) {
        result_.device = device;
        result_.response = "nill";
        result_.prompt = ">";
      }
      return;
    case LineKind::Ping:
      result_.response = PingHost(conn_, g_.gHostName, target);
      return;
    case LineKind::Interface:
      result_.currentInterface = keywords.at(1) + keywords.at(2);
      return;
    case LineKind::Line:
      result_.currentInterface = "line" + keywords.at(1);
      return;
    case LineKind::Other:
      return;
  }
}

}  // namespace rd::interp
