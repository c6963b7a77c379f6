// Small text helpers shared by the database layer.
#pragma once

#include <string>
#include <string_view>

namespace rd::db {

// text without leading and trailing white space.
std::string Trim(std::string_view text);
// Offset of the first character of sql at or after pos that is neither white space nor part of
// a comment ("-- ..." to the end of the line, "/* ... */").
size_t SkipFiller(const std::string& sql, size_t pos);

}  // namespace rd::db
