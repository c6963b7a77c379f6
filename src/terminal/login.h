// Password check shared by the console's line and enable passwords.
#pragma once

#include <string>

#include "shell/app.h"

namespace rd {

// Compares the characters typed at "password:" (gPwdChars, gPwdCharCount) with `expected`,
// case-sensitive. Right: the new prompt (">" after a line password, "#" after the enable
// password) on the terminal. Wrong: "wrong Password" and a new "password:", retried without
// limit.
void CheckPassword(App& app, const std::string& expected);

}  // namespace rd
