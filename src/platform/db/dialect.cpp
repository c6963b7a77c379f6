#include "platform/db/dialect.h"

#include "platform/db/text.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/text/ascii.h"

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

// A word, a quoted run or one other character of a query; blanks and comments are dropped.
struct Token {
  std::string text;
  size_t offset = 0;
  bool Is(const char* word) const { return ascii::EqualNoCase(text, word); }
};

std::vector<Token> Tokenize(const std::string& sql) {
  std::vector<Token> tokens;
  size_t pos = 0;
  while (pos < sql.size()) {
    size_t end = SkipOpaque(sql, pos);
    bool comment = end != pos && (sql[pos] == '-' || sql[pos] == '/');
    if (end == pos) {
      end = pos + 1;
      if (IsWordChar(sql[pos])) {
        while (end < sql.size() && IsWordChar(sql[end])) ++end;
      }
    }
    if (!comment && !std::isspace(static_cast<unsigned char>(sql[pos]))) {
      tokens.push_back(Token{sql.substr(pos, end - pos), pos});
    }
    pos = end;
  }
  return tokens;
}

// The position of the query's own FROM (not one inside parentheses), from the token after
// SELECT on; tokens.size() when there is none.
size_t FromPosition(const std::vector<Token>& tokens) {
  size_t from = 1;
  for (int depth = 0; from < tokens.size() && !(depth == 0 && tokens[from].Is("from")); ++from) {
    depth += tokens[from].text == "(" ? 1 : tokens[from].text == ")" ? -1 : 0;
  }
  return from;
}

bool IsName(const Token& token) {
  const char c = token.text[0];
  return IsWordChar(c) || c == '"' || c == '[' || c == '`';
}

// Words that may follow a table's name in FROM and so can't be its alias.
bool IsJoinWord(const Token& token) {
  for (const char* w : {"on", "using", "inner", "left", "right", "full", "outer", "cross",
                        "natural", "join", "where", "order", "group", "having", "limit"}) {
    if (token.Is(w)) return true;
  }
  return false;
}

// Where the rows of a query come from: the tables of its FROM clause by the names the query
// gives them, whether it has an ORDER BY of its own, and the offset where that ends (before
// LIMIT, a closing ';' or past the last word).
struct RowSources {
  std::vector<std::string> tables;
  bool ordered = false;
  size_t orderEnd = 0;
};

// Nothing for a query that is no plain SELECT of tables.
std::optional<RowSources> FindRowSources(const std::vector<Token>& tokens) {
  if (tokens.empty() || !tokens[0].Is("select")) return std::nullopt;
  for (size_t i = 1; i < tokens.size(); ++i) {
    for (const char* w : {"select", "distinct", "group", "union", "intersect", "except"}) {
      if (tokens[i].Is(w)) return std::nullopt;
    }
  }
  size_t i = FromPosition(tokens);
  RowSources found;
  const Token& last = tokens.back();
  found.orderEnd = last.offset + last.text.size();
  // Open parentheses of the FROM clause: true for one around joined tables, false for one in
  // a join condition, where a comma does not join.
  std::vector<bool> open;
  bool expectTable = true;
  bool inFrom = true;
  for (++i; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    const bool atTop = open.empty();
    if (inFrom && expectTable) {
      if (t.text == "(") {
        open.push_back(true);
        continue;
      }
      if (!IsName(t)) return std::nullopt;
      std::string name = t.text;
      if (i + 2 < tokens.size() && tokens[i + 1].text == "." && IsName(tokens[i + 2])) {
        i += 2;
        name += "." + tokens[i].text;  // a table of a named database
      }
      if (i + 2 < tokens.size() && tokens[i + 1].Is("as") && IsName(tokens[i + 2])) {
        i += 2;
        name = tokens[i].text;
      } else if (i + 1 < tokens.size() && IsName(tokens[i + 1]) && !IsJoinWord(tokens[i + 1])) {
        name = tokens[++i].text;
      }
      found.tables.push_back(name);
      expectTable = false;
    } else if (t.text == "(") {
      open.push_back(false);
    } else if (t.text == ")") {
      if (atTop) return std::nullopt;
      open.pop_back();
    } else if (inFrom && (t.Is("join") || (t.text == "," && (atTop || open.back())))) {
      expectTable = true;
    } else if (atTop && t.Is("where")) {
      inFrom = false;
    } else if (atTop && t.Is("order") && i + 1 < tokens.size() && tokens[i + 1].Is("by")) {
      inFrom = false;
      found.ordered = true;
    } else if (atTop && (t.Is("limit") || t.text == ";")) {
      found.orderEnd = t.offset;
      break;
    }
  }
  if (expectTable) return std::nullopt;
  return found;
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
      out += ascii::EqualNoCase(word, "index") ? QuoteIdentifier(word) : word;
      pos = end;
    } else {
      out += sql[pos++];
    }
  }
  return out;
}

std::optional<SingleTable> FindSingleTable(const std::string& sql) {
  std::vector<Token> tokens = Tokenize(sql);
  auto word = [&](size_t i, const char* w) { return i < tokens.size() && tokens[i].Is(w); };
  if (!word(0, "select") || word(1, "distinct") || tokens.size() < 2) return std::nullopt;
  const size_t from = FromPosition(tokens);
  if (from + 1 >= tokens.size() || !IsWordChar(tokens[from + 1].text[0])) return std::nullopt;
  size_t next = from + 2;
  bool ends = next == tokens.size() || (tokens[next].text == ";" && next + 1 == tokens.size());
  if (!ends && !word(next, "where") && !(word(next, "order") && word(next + 1, "by"))) {
    return std::nullopt;
  }
  for (size_t i = next; i < tokens.size(); ++i) {
    for (const char* w : {"join", "union", "intersect", "except", "group"}) {
      if (tokens[i].Is(w)) return std::nullopt;
    }
  }
  return SingleTable{tokens[from + 1].text, tokens[1].offset};
}

std::string InStoredOrder(const std::string& sql) {
  const std::optional<RowSources> sources = FindRowSources(Tokenize(sql));
  if (!sources || sources->tables.size() < 2) return sql;
  std::string rowids;
  for (const std::string& table : sources->tables) {
    rowids += (rowids.empty() ? "" : ", ") + table + ".rowid";
  }
  std::string order = sources->ordered ? ", " + rowids : " ORDER BY " + rowids;
  const size_t end = sources->orderEnd;
  if (end < sql.size() && IsWordChar(sql[end])) order += ' ';  // before LIMIT
  return sql.substr(0, end) + order + sql.substr(end);
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
