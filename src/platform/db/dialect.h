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

// The query with its rows in the stored order of its tables. A join (two or more tables in FROM)
// is ordered by the row ids of its tables in the order the query names them, after any ORDER BY
// of its own, so that it returns what a scan of the first table, then of the second within each
// of its rows, and so on, returns, whichever plan the engine chooses (indexes it builds on the
// fly included). Any other query, and one whose rows have no row ids (DISTINCT, grouping,
// compound parts, subqueries), is returned as it is.
std::string InStoredOrder(const std::string& sql);

// name as a quoted SQLite identifier.
std::string QuoteIdentifier(const std::string& name);

}  // namespace rd::db
