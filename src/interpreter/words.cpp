#include "interpreter/words.h"

#include "platform/text/words.h"

namespace rd::interp {

std::string ListingBlanks(std::string_view keyword, int perChar) {
  constexpr size_t kColumn = 20;
  const size_t length = text::CharCount(keyword);
  if (length >= kColumn) return "";
  return std::string((kColumn - length) * perChar, ' ');
}

}  // namespace rd::interp
