// Placeholder evaluation: does a typed word fit a placeholder node such as "<A.B.C.D>"?
#pragma once

#include <string>

#include "shell/app.h"

namespace rd {

// True when `word` is acceptable for the placeholder text `syntax`. The placeholder must be
// listed in tblevalsyntax (exact text) and be one of the eleven known kinds; anything else is
// refused. Accepted values (and, for "<WORD>" and "<LINE>", refused ones too) are stored in the
// next free slot of gPlaceholderValues; once the seven slots are used nothing more is stored.
bool EvalSyntax(App& app, const std::string& syntax, const std::string& word);

}  // namespace rd
