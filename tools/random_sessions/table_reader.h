// Reads the database file straight through SQLite, beside the program under test and
// independent of its data layer: the command words for the sessions, the columns to compare.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rd::sessions {

struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;  // NULL as ""
};

// The result of `sql` on the database file at path; nothing when the file can't be opened or
// the query fails.
std::optional<Table> ReadTable(const std::string& path, const std::string& sql);

}  // namespace rd::sessions
