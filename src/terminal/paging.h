// "--MORE--" paging of long output at the terminal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rd::paging {

// Lines shown per page.
inline constexpr size_t kPageLines = 25;
inline constexpr const char* kMarker = "--MORE--";
// The marker with the line break the Enter adds after it: what every continuation removes.
inline constexpr size_t kMarkerLineLength = 10;
// mMorePosition while no paging is active: the last line of the first page.
inline constexpr int16_t kFirstPageEnd = kPageLines - 1;

// True when `output`, split at CR LF, has a highest index of 25 or more: it is shown a page at
// a time.
bool NeedsPaging(const std::string& output);

}  // namespace rd::paging
