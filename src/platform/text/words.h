// Words and pieces of one line of text, as the console and the command routines cut them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rd::text {

// Splits at every single blank: "a  b" gives "a", "", "b"; an empty text gives one empty word.
std::vector<std::string> SplitAtBlanks(std::string_view text);

// Element `i` of `words`, or empty text when there are fewer.
const std::string& WordAt(const std::vector<std::string>& words, size_t i);

// `text` without leading and trailing blanks (only ' ').
std::string TrimBlanks(std::string_view text);

// `text` after its first `count` characters (empty when it is shorter).
std::string After(std::string_view text, size_t count);

// `text` without its last `count` characters (empty when it is shorter).
std::string DropTail(std::string_view text, size_t count);

// The number of characters of UTF-8 text (continuation bytes are not counted).
size_t CharCount(std::string_view text);

}  // namespace rd::text
