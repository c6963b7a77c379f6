#include "platform/text/words.h"

#include <algorithm>

namespace rd::text {

std::vector<std::string> SplitAtBlanks(std::string_view text) {
  std::vector<std::string> words(1);
  for (char c : text) {
    if (c == ' ') {
      words.emplace_back();
    } else {
      words.back() += c;
    }
  }
  return words;
}

const std::string& WordAt(const std::vector<std::string>& words, size_t i) {
  static const std::string kNone;
  return i < words.size() ? words[i] : kNone;
}

std::string TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string After(std::string_view text, size_t count) {
  return count >= text.size() ? "" : std::string(text.substr(count));
}

std::string DropTail(std::string_view text, size_t count) {
  return text.size() <= count ? "" : std::string(text.substr(0, text.size() - count));
}

size_t CharCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace rd::text
