#include "terminal/rcon_format.h"

#include <cstdlib>
#include <filesystem>

namespace rd::rcon {

std::string EscapeValue(const std::string& value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

std::string UnescapeValue(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && (next == '\\' || next == 'r' || next == 'n')) {
      out += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string ValueOfLine(const std::string& line) {
  const size_t colon = line.find(':');
  return colon == std::string::npos ? line : line.substr(colon + 1);
}

std::string DialogFolder() {
  const char* home = std::getenv("HOME");
  const std::filesystem::path folder =
      std::filesystem::path(home != nullptr ? home : ".") / "zozedudovav";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return folder.string();
}

}  // namespace rd::rcon
