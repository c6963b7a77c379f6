// "?" typed after at least one character on the console line.
#pragma once

#include <string>

#include "shell/app.h"

namespace rd {

// Lists, under the typed words of `line` (as typed, untrimmed), either the completions of the
// partial last word or, when the line ends in a blank, the words that may follow with their
// help texts ("<carriage return>" when the command may end there). Appends the listing and a
// fresh prompt to Form2.Text1, leaves gHelpWords / gHelpWordCount / gHelpTrailingSpace for the
// terminal to re-type the line, sets gHelpRedrawPending and gSyntheticUp, and sends "{UP}".
// Writes no device state and leaves gPrompt, gResponse and gCurrentInterface alone.
void ShowContextHelp(App& app, const std::string& line);

}  // namespace rd
