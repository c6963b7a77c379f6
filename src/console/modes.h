// The console modes that both consoles know by their prompt suffix.
#pragma once

#include <string_view>

namespace rd::console {

// The sub-modes of the configuration mode: "exit" in one of them returns to "(config)#".
inline bool IsSubMode(std::string_view prompt) {
  for (std::string_view mode : {"(config-if)#", "(config-line)#", "(config-subif)#",
                                "(config-controller)#", "(config-ext-nacl)#", "(router-config)#"}) {
    if (prompt == mode) return true;
  }
  return false;
}

// The configuration mode and its sub-modes: Ctrl+Z in one of them returns to "#".
inline bool IsConfigurationMode(std::string_view prompt) {
  return prompt == "(config)#" || IsSubMode(prompt);
}

}  // namespace rd::console
