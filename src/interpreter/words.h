// The layout of the interpreter's listings.
#pragma once

#include <string>
#include <string_view>

namespace rd::interp {

// The blanks that follow a keyword in a listing: `perChar` blanks for each character the keyword
// has fewer than 20; none for a keyword of 20 characters or more.
std::string ListingBlanks(std::string_view keyword, int perChar);

}  // namespace rd::interp
