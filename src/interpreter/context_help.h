// "?" typed after at least one character on the console line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interpreter/line_result.h"
#include "platform/db/db.h"
#include "shell/module1.h"

namespace rd {

struct HelpListing {
  std::string text;                       // the listing lines, joined by CR LF
  std::vector<std::string> words;         // the typed words, for the console to type again
  int16_t lastWord = 0;                   // index of the last word that takes part
  bool trailingSpace = false;             // the line ended in a blank, which is typed again too
  interp::PlaceholderSlots placeholders;  // values stored while judging placeholder words
};

// Lists, under the typed words of `line` (as typed, untrimmed) in the mode g.gPrompt, either the
// completions of the partial last word or, when the line ends in a blank, the words that may
// follow with their help texts ("<carriage return>" when the command may end there). Reads
// only: no device state is written and the shared state is left as it is.
HelpListing ShowContextHelp(db::Connection& conn, const Module1& g, const std::string& line);

}  // namespace rd
