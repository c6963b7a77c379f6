// Placeholder evaluation: does a typed word fit a placeholder node such as "<A.B.C.D>"?
#pragma once

#include <string>

#include "interpreter/line_result.h"
#include "platform/db/db.h"

namespace rd {

// What a placeholder rule may look at besides the word.
struct EvalContext {
  std::string line;    // the whole command line ("<LINE>" takes the text between its "#"s)
  std::string column;  // working column of the current device ("<AGNUM>")
};

// True when `word` is acceptable for the placeholder text `syntax`. The placeholder must be
// listed in tblevalsyntax (exact text) and be one of the eleven known kinds; anything else is
// refused. Accepted values (and, for "<WORD>" and "<LINE>", refused ones too) are stored in
// `slots`; "<AGNUM>" and "<TELNET_ID>" store nothing.
bool EvalSyntax(db::Connection& conn, const EvalContext& context, interp::PlaceholderSlots& slots,
                const std::string& syntax, const std::string& word);

}  // namespace rd
