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

std::string ListingBlanks(std::string_view keyword, int perChar) {
  constexpr size_t kColumn = 20;
  if (keyword.size() >= kColumn) return "";
  return std::string((kColumn - keyword.size()) * perChar, ' ');
}

}  // namespace rd::interp
