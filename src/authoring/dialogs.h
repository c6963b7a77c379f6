// The message boxes the authoring windows share.
#pragma once

#include <functional>
#include <string>

#include "shell/app.h"

namespace rd {

// Asks `question` with Yes and No buttons under the title "confirm file deletion", as every
// authoring question does, and keeps the answer's code as text in gResponse ("6" Yes, "7" No).
// True for Yes.
bool Confirm(App& app, const std::string& question);

// Runs `write`, a change of the content tables. When the database fails, a message box says
// `notDone` and why, and the result is false; the change has left nothing behind.
bool TryWrite(App& app, const std::string& notDone, const std::function<void()>& write);

}  // namespace rd
