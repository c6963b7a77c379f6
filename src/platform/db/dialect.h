// Turns the program's Access-flavoured query texts into SQLite.
#pragma once

#include <optional>
#include <string>

namespace rd::db {

// The query with every bare identifier `index` (any letter case, also after "table.") quoted,
// since it is a keyword in SQLite. String literals, quoted identifiers and comments are left
// alone, and so is everything else.
std::string TranslateSql(const std::string& sql);

// Where a query reads one table and nothing else: "SELECT <list> FROM <table> [WHERE ...]
// [ORDER BY ...]" with no join, DISTINCT, grouping or compound part (words inside string
// literals don't count).
struct SingleTable {
  std::string table;
  size_t selectList = 0;  // offset of <list> in the query
};
std::optional<SingleTable> FindSingleTable(const std::string& sql);

// name as a quoted SQLite identifier.
std::string QuoteIdentifier(const std::string& name);

}  // namespace rd::db
