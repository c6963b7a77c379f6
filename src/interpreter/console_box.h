// The terminal's console text box, which the "?" help routines write into.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd::interp {

// Text box Text1 of window Form2.
forms::TextBox& ConsoleBox(App& app);

// Selects the whole text of the box, as the help routines do before they replace it.
void SelectAll(forms::TextBox& box);

}  // namespace rd::interp
