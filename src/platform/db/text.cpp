#include "platform/db/text.h"

#include "platform/db/db.h"

#include <algorithm>
#include <cctype>

namespace rd::db {

std::string Trim(std::string_view text) {
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

size_t SkipFiller(const std::string& sql, size_t pos) {
  while (pos < sql.size()) {
    if (std::isspace(static_cast<unsigned char>(sql[pos]))) {
      ++pos;
    } else if (sql.compare(pos, 2, "--") == 0) {
      pos = std::min(sql.find('\n', pos), sql.size());
    } else if (sql.compare(pos, 2, "/*") == 0) {
      size_t end = sql.find("*/", pos + 2);
      pos = end == std::string::npos ? sql.size() : end + 2;
    } else {
      break;
    }
  }
  return pos;
}

std::string SqlQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

}  // namespace rd::db
