// What must hold after every step of a session: the console ends with something the user can
// answer (a prompt, a password or paging prompt, or "press enter to begin"), and the saved
// columns of the device table are as they were.
#pragma once

#include <set>
#include <string>

#include "shell/app.h"

namespace rd::sessions {

// The console's line being typed: the last line of its text, or the one before it when the
// text ends with a line break.
std::string TypedLine(const std::string& text);

// What is wrong with the console of the terminal window, when it is loaded; "" when nothing is.
// A prompt is a host name followed by one of `modes`; `hosts` collects every host name the console
// has driven in the session (it may still show one of them: a loaded file or the diagram changes
// the device without a new prompt).
std::string ConsoleProblem(App& app, std::set<std::string>& hosts,
                           const std::set<std::string>& modes);

// The saved (odd-numbered) columns of routervariables in the database file at path, with their
// names, as one text to compare; a note when the table can't be read.
std::string SavedColumns(const std::string& databasePath);

}  // namespace rd::sessions
