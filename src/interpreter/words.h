// Small text helpers of the interpreter: splitting a command line and comparing keywords.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rd::interp {

// Splits at every single blank: two blanks in a row give an empty word, a trailing blank an
// empty last word. An empty line gives one empty word.
std::vector<std::string> SplitAtBlanks(std::string_view line);

// Keyword comparisons made the way the database compares text: without regard to (ASCII) case.
// Typed text is taken literally; nothing in it acts as a pattern.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EqualsNoCase(std::string_view a, std::string_view b);

// The number of characters of UTF-8 text (continuation bytes are not counted).
size_t CharCount(std::string_view text);

// The blanks that follow a keyword in a listing: `perChar` blanks for each character the keyword
// has fewer than 20; none for a keyword of 20 characters or more.
std::string ListingBlanks(std::string_view keyword, int perChar);

}  // namespace rd::interp
