#include <cctype>
#include <limits>

#include "platform/db/db.h"

namespace rd::db {
namespace {

std::string Trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

// The whole number in text (optional sign, then digits), if that is all it holds.
std::optional<long long> WholeNumber(const std::string& text) {
  std::string t = Trimmed(text);
  size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  if (i == t.size() || t.size() > 19) return std::nullopt;
  for (size_t k = i; k < t.size(); ++k) {
    if (!std::isdigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
  }
  return std::stoll(t);
}

bool EqualsNoCase(const std::string& text, const char* word) {
  std::string t = Trimmed(text);
  size_t i = 0;
  for (; i < t.size() && word[i] != '\0'; ++i) {
    if (std::tolower(static_cast<unsigned char>(t[i])) != word[i]) return false;
  }
  return i == t.size() && word[i] == '\0';
}

}  // namespace

const std::string& Value::Text() const {
  static const std::string kEmpty;
  return text_ ? *text_ : kEmpty;
}

int16_t Value::Int16() const {
  if (Trimmed(Text()).empty()) return 0;
  std::optional<long long> number = WholeNumber(Text());
  if (!number) throw DbError("\"" + Text() + "\" is not a whole number");
  if (*number < std::numeric_limits<int16_t>::min() ||
      *number > std::numeric_limits<int16_t>::max()) {
    throw DbError("\"" + Text() + "\" is out of range for a 16-bit number");
  }
  return static_cast<int16_t>(*number);
}

bool Value::Bool() const {
  if (Trimmed(Text()).empty()) return false;
  if (std::optional<long long> number = WholeNumber(Text())) return *number != 0;
  if (EqualsNoCase(Text(), "true")) return true;
  if (EqualsNoCase(Text(), "false")) return false;
  throw DbError("\"" + Text() + "\" is not a yes/no value");
}

}  // namespace rd::db
