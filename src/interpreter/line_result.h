// What the interpreter makes of one command line, passed up to the console that prints it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/apply_config.h"
#include "device/device_state.h"
#include "shell/module1.h"

namespace rd::interp {

// The four result flags of one line.
struct ResultFlags {
  bool found = false;
  bool enabled = false;
  bool ambiguous = false;
  bool incomplete = false;
};

// What the console answers first: the first of these that holds, in this order.
enum class Verdict { NotFound, Incomplete, Ambiguous, Disabled, Accepted };
Verdict VerdictOf(const ResultFlags& flags);

// The placeholder values stored while one line (or one "?") was read, in order.
struct PlaceholderSlots {
  std::array<std::string, 7> values{};
  int16_t count = 0;
  // Stores `value` in the next free slot; once the seven slots are used the value is dropped.
  void Store(const std::string& value);
};

struct LineResult {
  ResultFlags flags;
  std::optional<std::string> response;          // to print; none: gResponse stays as it was
  std::optional<std::string> prompt;            // the next mode
  std::optional<std::string> currentInterface;  // the object of the sub-mode entered or left
  ConfigOutcome config;                         // the configuration write of the line
  std::optional<std::string> show;              // show output, every line ended by CR LF
  std::optional<DeviceRef> device;              // telnet and resume: the device driven now
  std::optional<DeviceRef> telnetOrigin;        // telnet: the device it started from
  std::optional<std::string> vtyPassword;       // telnet: the target's vty password ("nill")
  std::optional<int16_t> telnetSessionCount;    // telnet: the last session number handed out
  PlaceholderSlots placeholders;
};

// Publishes what a line did into the shared state: the four flags, gResponse, gPrompt,
// gCurrentInterface, gHostName (after "hostname"), gShowOutput and gShowReady, the device switch
// of telnet and resume (gHostName, gDeviceColumn), the telnet origin (gSavedHostName,
// gSavedDeviceColumn), gVtyPassword, gTelnetSessionCount and the placeholder slots. Printing,
// paging and asking for a password are the console's.
void ApplyLineResult(const LineResult& result, Module1& g);

// Publishes the four flags into gCmdFound, gCmdEnabled, gCmdAmbiguous and gCmdIncomplete.
void PublishFlags(const ResultFlags& flags, Module1& g);

// Publishes the slots of a line or a "?" into gPlaceholderValues and gPlaceholderCount; the
// slots past the count keep their old values.
void PublishPlaceholders(const PlaceholderSlots& slots, Module1& g);

}  // namespace rd::interp
