#include "interpreter/eval_syntax.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "device/device_state.h"
#include "platform/text/ascii.h"
#include "platform/text/words.h"

namespace rd {
namespace {

enum class Placeholder {
  Address,
  Word,
  Line,
  Number,
  Seconds,
  Minutes,
  PppHdlc,
  AccessNumber,
  PermitDeny,
  AccessGroupNumber,
  TelnetId,
};

std::optional<Placeholder> KindOf(std::string_view syntax) {
  static constexpr std::array<std::pair<std::string_view, Placeholder>, 11> kKinds{{
      {"<A.B.C.D>", Placeholder::Address},
      {"<WORD>", Placeholder::Word},
      {"<LINE>", Placeholder::Line},
      {"<NUMBER>", Placeholder::Number},
      {"<SECONDS>", Placeholder::Seconds},
      {"<MINUTES>", Placeholder::Minutes},
      {"<PPP/HDLC>", Placeholder::PppHdlc},
      {"<ANUM>", Placeholder::AccessNumber},
      {"<PERMIT/DENY>", Placeholder::PermitDeny},
      {"<AGNUM>", Placeholder::AccessGroupNumber},
      {"<TELNET_ID>", Placeholder::TelnetId},
  }};
  for (const auto& [text, kind] : kKinds) {
    if (text == syntax) return kind;
  }
  return std::nullopt;
}

// The placeholder must be listed in tblevalsyntax with exactly this text.
bool IsListed(db::Connection& conn, const std::string& syntax) {
  db::Recordset rs;
  rs.Open("select * from tblevalsyntax", conn, db::adOpenDynamic);
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (rs.Field(1).Text() == syntax) return true;
  }
  return false;
}

// The word read as a number (one sign, digits, fraction, exponent); text that is no number gives
// nothing, and so does an empty word.
std::optional<double> AsNumber(std::string_view word) {
  if (word.starts_with('+') && !word.substr(1).starts_with('-')) word.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

bool NumberWhere(std::string_view word, bool (*test)(double)) {
  const std::optional<double> n = AsNumber(word);
  return n && test(*n);
}

// Four parts separated by ".", each a number from 0 to 255; an empty part is no number.
bool IsAddress(std::string_view word) {
  int parts = 0;
  for (size_t start = 0;; ++parts) {
    const size_t dot = word.find('.', start);
    const std::string_view part =
        word.substr(start, dot == std::string_view::npos ? dot : dot - start);
    if (!NumberWhere(part, [](double n) { return n >= 0 && n <= 255; })) return false;
    if (dot == std::string_view::npos) return parts + 1 == 4;
    start = dot + 1;
  }
}

bool EqualsCurrentDeviceValue(db::Connection& conn, const std::string& column,
                              const std::string& key, const std::string& word) {
  const std::optional<std::string> value =
      ReadDeviceVariable(conn, key, column, VariableQuery::Lower);
  return value && *value == word;
}

// Any cell of the row `key`, the key column and the saved columns included.
bool EqualsAnyValue(db::Connection& conn, const std::string& key, const std::string& word) {
  db::Recordset rs;
  rs.Open(VariableQueryText(key, VariableQuery::Lower), conn, db::adOpenDynamic);
  if (rs.EOF_()) return false;
  for (int i = 0; i < rs.FieldCount(); ++i) {
    if (rs.Field(i).Text() == word) return true;
  }
  return false;
}

bool AcceptAndStore(interp::PlaceholderSlots& slots, const std::string& word, bool accepted) {
  if (accepted) slots.Store(word);
  return accepted;
}

// "<LINE>" carries the text between the first and the last "#" of the whole line.
bool EvalLine(const std::string& line, interp::PlaceholderSlots& slots) {
  const size_t first = line.find('#');
  const size_t last = line.rfind('#');
  if (first == std::string::npos || first == last) return false;
  slots.Store(line.substr(first + 1, last - first - 1));
  return text::CharCount(std::string_view(line).substr(0, last)) <= 255;
}

}  // namespace

bool EvalSyntax(db::Connection& conn, const EvalContext& context, interp::PlaceholderSlots& slots,
                const std::string& syntax, const std::string& word) {
  const std::optional<Placeholder> kind = KindOf(syntax);
  if (!kind || !IsListed(conn, syntax)) return false;

  switch (*kind) {
    case Placeholder::Address:
      return AcceptAndStore(slots, word, IsAddress(word));
    case Placeholder::Word:
      slots.Store(word);
      return text::CharCount(word) <= 40 &&
             !(!word.empty() && word.front() >= '0' && word.front() <= '9');
    case Placeholder::Line:
      return EvalLine(context.line, slots);
    case Placeholder::Number:
      return AcceptAndStore(slots, word, NumberWhere(word, [](double n) { return n == 1200; }));
    case Placeholder::Seconds:
      return AcceptAndStore(slots, word, NumberWhere(word, [](double n) { return n < 3600; }));
    case Placeholder::Minutes:
      return AcceptAndStore(slots, word, NumberWhere(word, [](double n) { return n < 60; }));
    case Placeholder::PppHdlc:
      return AcceptAndStore(slots, word,
                            ascii::EqualNoCase(word, "PPP") || ascii::EqualNoCase(word, "hdlc"));
    case Placeholder::AccessNumber:
      return AcceptAndStore(slots, word,
                            NumberWhere(word, [](double n) { return n > 0 && n < 100; }));
    case Placeholder::PermitDeny:
      return AcceptAndStore(slots, word,
                            ascii::EqualNoCase(word, "permit") || ascii::EqualNoCase(word, "deny"));
    case Placeholder::AccessGroupNumber:
      return EqualsCurrentDeviceValue(conn, context.column, "accesslist_num", word);
    case Placeholder::TelnetId:
      return word != "nill" && EqualsAnyValue(conn, "telnetsession_id", word);
  }
  return false;
}

}  // namespace rd
