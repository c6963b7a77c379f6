// The console's transcript is the text box's text: lines separated by CR LF, the line being
// typed the last one (or the one before an empty last line). These functions read it; only the
// console component writes it.
#pragma once

#include <string>

#include "platform/forms/crlf_lines.h"
#include "platform/forms/forms.h"

namespace rd::console {

inline constexpr const char* kCrLf = forms::CRLF;

// Element `fromEnd` counted from the end of forms::SplitCrLfLines(text) (0 = the last one); empty
// text when there are fewer elements. Reads only the tail, whatever the length of the text.
std::string LineFromEnd(const std::string& text, int fromEnd);

// Every element of forms::SplitCrLfLines(text) but the last `dropped` ones, joined by CR LF.
std::string WithoutLastLines(const std::string& text, int dropped);

// The last element if it is not empty, else the one before it: the line being typed.
std::string TypedLine(const std::string& text);

}  // namespace rd::console
