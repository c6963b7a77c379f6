// Rows and keys of the lab content are counted in 16-bit integers, as the stored content and
// the windows built on it expect: a count past the largest such number can't be kept.
#pragma once

#include <cstddef>
#include <string>

namespace rd {

inline constexpr size_t kMostRows = 32767;

// What to say when `holder` (for instance the sublab "Basics") has `count` `rows` (for instance
// "commands"), more than kMostRows, so that `consequence` (for instance "they are not listed").
std::string TooManyRows(const std::string& holder, size_t count, const std::string& rows,
                        const std::string& consequence);

}  // namespace rd
