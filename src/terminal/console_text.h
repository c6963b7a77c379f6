// The console's text model: the transcript is the box's text, lines are separated by CR LF,
// and every change is a rewrite of the whole text through the selection.
#pragma once

#include <string>
#include <vector>

#include "platform/forms/crlf_lines.h"
#include "platform/forms/forms.h"
#include "shell/module1.h"

namespace rd::console {

inline constexpr const char* kCrLf = forms::CRLF;
inline constexpr const char* kPressEnter = "press enter to begin";
inline constexpr const char* kMarker = "--MORE--";
// The marker line with the line break after it: what every pager continuation removes.
inline constexpr int kMarkerLineLength = 10;

// Element `fromEnd` counted from the end of forms::SplitCrLfLines(text) (0 = the last one); empty
// text when there are fewer elements.
std::string LineFromEnd(const std::string& text, int fromEnd);

// Every element of forms::SplitCrLfLines(text) but the last `dropped` ones, joined by CR LF.
std::string WithoutLastLines(const std::string& text, int dropped);

// The last element if it is not empty, else the one before it: the line being typed.
std::string TypedLine(const std::string& text);

// Selects the whole text and replaces it; the caret then stands at the end.
void Rewrite(forms::TextBox& box, const std::string& text);

// The text without its last `count` characters (empty when it is shorter).
std::string DropTail(const std::string& text, int count);

// Host name and mode suffix, with nothing between them.
std::string Prompt(const Module1& g);

// `text` after its first `count` characters (empty when it is shorter).
std::string After(const std::string& text, size_t count);

// `text` without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

}  // namespace rd::console
