// Letter case folded for ASCII letters only, whatever the locale: the database compares text
// this way, so code that must agree with it (keys, keywords, column names) does the same.
#pragma once

#include <algorithm>
#include <string_view>

namespace rd::ascii {

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// a and b are equal without regard to ASCII letter case.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

// text begins with prefix without regard to ASCII letter case.
inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace rd::ascii
