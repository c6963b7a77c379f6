// Lines of a text box's text, which separates them by CR LF.
#pragma once

#include <string>
#include <vector>

namespace rd::forms {

// Splits at every CR LF; a text ending in a line break gives an empty last element.
std::vector<std::string> SplitCrLfLines(const std::string& text);

}  // namespace rd::forms
