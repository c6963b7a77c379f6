#include "platform/db/dialect.h"

#include <cctype>
#include <regex>

namespace rd::db {
namespace {

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

// Offset just past the quoted run that starts at pos with the quote character open and ends with
// close (a doubled close character stands for itself).
size_t SkipQuoted(const std::string& sql, size_t pos, char close) {
  for (size_t i = pos + 1; i < sql.size(); ++i) {
    if (sql[i] != close) continue;
    if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
      ++i;
      continue;
    }
    return i + 1;
  }
  return sql.size();
}

// Offset just past the comment or quoted run at pos, or pos when none starts there.
size_t SkipOpaque(const std::string& sql, size_t pos) {
  char c = sql[pos];
  char next = pos + 1 < sql.size() ? sql[pos + 1] : '\0';
  switch (c) {
    case '\'':
    case '"':
    case '`':
      return SkipQuoted(sql, pos, c);
    case '[':
      return SkipQuoted(sql, pos, ']');
    case '-':
      if (next != '-') return pos;
      return std::min(sql.find('\n', pos), sql.size());
    case '/': {
      if (next != '*') return pos;
      size_t end = sql.find("*/", pos + 2);
      return end == std::string::npos ? sql.size() : end + 2;
    }
    default:
      return pos;
  }
}

bool IsIndexWord(const std::string& word) {
  static const char kIndex[] = "index";
  if (word.size() != sizeof(kIndex) - 1) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(word[i])) != kIndex[i]) return false;
  }
  return true;
}

}  // namespace

std::string TranslateSql(const std::string& sql) {
  std::string out;
  out.reserve(sql.size() + 8);
  size_t pos = 0;
  while (pos < sql.size()) {
    if (size_t end = SkipOpaque(sql, pos); end != pos) {
      out.append(sql, pos, end - pos);
      pos = end;
    } else if (IsWordChar(sql[pos])) {
      size_t end = pos;
      while (end < sql.size() && IsWordChar(sql[end])) ++end;
      std::string word = sql.substr(pos, end - pos);
      out += IsIndexWord(word) ? QuoteIdentifier(word) : word;
      pos = end;
    } else {
      out += sql[pos++];
    }
  }
  return out;
}

std::optional<SingleTable> FindSingleTable(const std::string& sql) {
  static const std::regex kSelect(
      R"(^\s*select\s+([\s\S]+?)\s+from\s+([A-Za-z_][A-Za-z0-9_]*)\s*((where|order\s+by)\b[\s\S]*)?;?\s*$)",
      std::regex::icase);
  static const std::regex kDistinct(R"(^distinct\b)", std::regex::icase);
  static const std::regex kCompound(R"(\b(group\s+by|union|intersect|except|join)\b)",
                                    std::regex::icase);
  std::smatch m;
  if (!std::regex_match(sql, m, kSelect)) return std::nullopt;
  if (std::regex_search(m[1].first, m[1].second, kDistinct)) return std::nullopt;
  if (std::regex_search(m[3].first, m[3].second, kCompound)) return std::nullopt;
  return SingleTable{m[2].str(), static_cast<size_t>(m.position(1))};
}

std::string QuoteIdentifier(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

}  // namespace rd::db
