#include "interpreter/words.h"

#include <algorithm>
#include <cctype>

namespace rd::interp {

std::vector<std::string> SplitAtBlanks(std::string_view line) {
  std::vector<std::string> words;
  size_t start = 0;
  for (size_t blank = line.find(' '); blank != std::string_view::npos;
       blank = line.find(' ', start)) {
    words.emplace_back(line.substr(start, blank - start));
    start = blank + 1;
  }
  words.emplace_back(line.substr(start));
  return words;
}

static char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return Fold(a) == Fold(b); });
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

size_t CharCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string ListingBlanks(std::string_view keyword, int perChar) {
  constexpr size_t kColumn = 20;
  const size_t length = CharCount(keyword);
  if (length >= kColumn) return "";
  return std::string((kColumn - length) * perChar, ' ');
}

}  // namespace rd::interp
