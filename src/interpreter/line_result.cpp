#include "interpreter/line_result.h"

namespace rd::interp {

Verdict VerdictOf(const ResultFlags& flags) {
  if (!flags.found) return Verdict::NotFound;
  if (flags.incomplete) return Verdict::Incomplete;
  if (flags.ambiguous) return Verdict::Ambiguous;
  if (!flags.enabled) return Verdict::Disabled;
  return Verdict::Accepted;
}

void PlaceholderSlots::Store(const std::string& value) {
  if (count < 0 || static_cast<size_t>(count) >= values.size()) return;
  values[static_cast<size_t>(count++)] = value;
}

void PublishPlaceholders(const PlaceholderSlots& slots, Module1& g) {
  for (int16_t i = 0; i < slots.count; ++i) g.gPlaceholderValues[i] = slots.values[i];
  g.gPlaceholderCount = slots.count;
}

void PublishFlags(const ResultFlags& flags, Module1& g) {
  g.gCmdFound = flags.found;
  g.gCmdEnabled = flags.enabled;
  g.gCmdAmbiguous = flags.ambiguous;
  g.gCmdIncomplete = flags.incomplete;
}

void ApplyLineResult(const LineResult& result, Module1& g) {
  PublishFlags(result.flags, g);
  if (result.response) g.gResponse = *result.response;
  if (result.prompt) g.gPrompt = *result.prompt;
  if (result.currentInterface) g.gCurrentInterface = *result.currentInterface;
  if (result.config.hostName) g.gHostName = *result.config.hostName;
  if (result.show) {
    g.gShowOutput = *result.show;
    g.gShowReady = true;
  }
  if (result.telnetOrigin) {
    g.gSavedHostName = result.telnetOrigin->hostName;
    g.gSavedDeviceColumn = result.telnetOrigin->column;
  }
  if (result.device) {
    g.gHostName = result.device->hostName;
    g.gDeviceColumn = result.device->column;
  }
  if (result.vtyPassword) g.gVtyPassword = *result.vtyPassword;
  if (result.telnetSessionCount) g.gTelnetSessionCount = *result.telnetSessionCount;
  PublishPlaceholders(result.placeholders, g);
}

}  // namespace rd::interp
