#include <cctype>
#include <charconv>
#include <limits>

#include "platform/db/cell_place.h"
#include "platform/db/db.h"
#include "platform/db/text.h"
#include "platform/text/ascii.h"

namespace rd::db {
namespace {

// The whole number in text (optional sign, then digits), if that is all it holds. A number
// beyond 64 bits is clamped to the nearest end, which is out of every range the callers accept.
std::optional<long long> WholeNumber(const std::string& text) {
  std::string t = Trim(text);
  size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  if (i == t.size()) return std::nullopt;
  for (size_t k = i; k < t.size(); ++k) {
    if (!std::isdigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
  }
  long long number = 0;
  const char* first = t.data() + (t[0] == '+' ? 1 : 0);
  if (std::from_chars(first, t.data() + t.size(), number).ec == std::errc::result_out_of_range) {
    return t[0] == '-' ? std::numeric_limits<long long>::min()
                       : std::numeric_limits<long long>::max();
  }
  return number;
}

}  // namespace

const std::string& Value::Text() const {
  static const std::string kEmpty;
  return text_ ? *text_ : kEmpty;
}

DbError Value::Refused(const std::string& problem) const {
  const std::string where = place_ != nullptr ? " in " + DescribePlace(*place_, row_) : "";
  return DbError("\"" + Text() + "\"" + where + " " + problem);
}

int16_t Value::Int16() const {
  if (Trim(Text()).empty()) return 0;
  std::optional<long long> number = WholeNumber(Text());
  if (!number) throw Refused("is not a whole number");
  if (*number < std::numeric_limits<int16_t>::min() ||
      *number > std::numeric_limits<int16_t>::max()) {
    throw Refused("is out of range for a 16-bit number");
  }
  return static_cast<int16_t>(*number);
}

bool Value::Bool() const {
  if (Trim(Text()).empty()) return false;
  if (std::optional<long long> number = WholeNumber(Text())) return *number != 0;
  if (ascii::EqualNoCase(Trim(Text()), "true")) return true;
  if (ascii::EqualNoCase(Trim(Text()), "false")) return false;
  throw Refused("is not a yes/no value");
}

}  // namespace rd::db
