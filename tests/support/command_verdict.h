// What the terminal prints first for an interpreted line, reading the four result flags in its
// order of precedence; "ran" when the line was carried out.
#pragma once

#include <string>

#include "shell/module1.h"

namespace rd::test {

inline std::string CommandVerdict(const Module1& g) {
  if (!g.gCmdFound) return "Command Not Found";
  if (g.gCmdIncomplete) return "incomplete command";
  if (g.gCmdAmbiguous) return "ambigious command";
  if (!g.gCmdEnabled) return "command is disabled";
  return "ran";
}

}  // namespace rd::test
