#include "interpreter/words.h"

#include <algorithm>
#include <cctype>

namespace rd::interp {

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
