#include "terminal/rcon_format.h"

#include <cstdlib>
#include <filesystem>

#include "platform/text/utf8.h"

namespace rd::rcon {
namespace {

// Escapes for the characters the line format reserves; ":" only in keys.
std::string Escape(const std::string& text, bool colon) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
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
      case '<':
        out += "\\x3C";
        break;
      case ':':
        out += colon ? "\\x3A" : ":";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

// The character that the hex escape "\xHH" at text[i] stands for, when it is one of the escapes
// the writer makes.
char HexEscapeAt(const std::string& text, size_t i) {
  if (text.compare(i, 2, "\\x") != 0 || i + 4 > text.size()) return '\0';
  const std::string digits = text.substr(i + 2, 2);
  if (digits == "3C" || digits == "3c") return '<';
  if (digits == "3A" || digits == "3a") return ':';
  return '\0';
}

}  // namespace

std::string EscapeValue(const std::string& value) { return Escape(value, false); }

std::string EscapeKey(const std::string& key) { return Escape(key, true); }

std::string UnescapeValue(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (const char hex = HexEscapeAt(text, i); hex != '\0') {
      out += hex;
      i += 3;
    } else if (text[i] == '\\' && (next == '\\' || next == 'r' || next == 'n')) {
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

bool StartsBlock(std::string_view line) { return line.find('<') != std::string_view::npos; }

bool IsDeviceHeader(std::string_view line) {
  if (line.size() < 3 || line.front() != '<' || line.back() != '>') return false;
  return line.substr(1, line.size() - 2).find_first_of("<> \t") == std::string_view::npos;
}

bool IsText(std::string_view bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F) return false;
  }
  return utf8::IsValid(bytes);
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
