// Entry points of the command interpreter for a line entered at the console.
#pragma once

#include "shell/app.h"

namespace rd {

// Recognises app.g.gCommandLine (trimmed, non-empty) in the mode app.g.gPrompt and carries it
// out. Resets gPlaceholderCount and the four result flags, then answers through gCmdFound,
// gCmdEnabled, gCmdAmbiguous, gCmdIncomplete, gPrompt, gResponse and gCurrentInterface.
// A one-word line is settled here (gCommandLine keeps a "%" appended); a line with a blank goes
// to RunMultiWordCommand.
void RunRouterCommand(App& app);

// Walks a line of two or more words down the command tree, writes configuration for nodes that
// do, and dispatches complete lines on their first keyword (show, copy, erase, telnet, resume,
// ping, interface, line). Expects the flags and gPlaceholderCount already reset.
void RunMultiWordCommand(App& app);

}  // namespace rd
