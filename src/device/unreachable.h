// The one failure text of ping and telnet.
#pragma once

#include <string>

namespace rd {

// "Trying <target>" CR LF "% Destination unreachable; gateway or host down".
inline std::string UnreachableText(const std::string& target) {
  return "Trying " + target + "\r\n% Destination unreachable; gateway or host down";
}

}  // namespace rd
