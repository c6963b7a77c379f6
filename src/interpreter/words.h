// Small text helpers of the interpreter for laying out listings. Lines are split and compared
// with the device model's helpers (device/device_state.h) and platform/ascii.h.
#pragma once

#include <string>
#include <string_view>

namespace rd::interp {

// The number of characters of UTF-8 text (continuation bytes are not counted).
size_t CharCount(std::string_view text);

// The blanks that follow a keyword in a listing: `perChar` blanks for each character the keyword
// has fewer than 20; none for a keyword of 20 characters or more.
std::string ListingBlanks(std::string_view keyword, int perChar);

}  // namespace rd::interp
