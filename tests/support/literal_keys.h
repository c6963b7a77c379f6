// Typing text as it is through the send-keys notation of the forms runtime.
#pragma once

#include <string>

namespace rd::test {

// Send-keys text that types `text` literally: the characters that the notation gives a meaning
// of its own are typed in braces.
inline std::string Literal(const std::string& text) {
  std::string keys;
  for (char c : text) {
    if (std::string("+^%~(){}[]").find(c) != std::string::npos) {
      keys += std::string("{") + c + "}";
    } else {
      keys += c;
    }
  }
  return keys;
}

}  // namespace rd::test
