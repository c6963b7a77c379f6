// The message boxes the authoring windows share.
#pragma once

#include <functional>
#include <string>

#include "shell/app.h"

namespace rd {

// Asks `question` with Yes and No buttons under the title "confirm file deletion", as every
// authoring question does. True for Yes. The answer is not kept in gResponse: that is the
// simulator's response, which a simulator open beside these windows would print.
bool Confirm(App& app, const std::string& question);

// Runs `write`, a change of the content tables. When the database fails, a message box says
// `notDone` and why, and the result is false; the change has left nothing behind.
bool TryWrite(App& app, const std::string& notDone, const std::function<void()>& write);

}  // namespace rd
