// Entry points of the command interpreter for a line entered at the console.
#pragma once

#include "interpreter/line_result.h"
#include "platform/db/db.h"
#include "platform/services/services.h"
#include "shell/module1.h"

namespace rd {

// Recognises g.gCommandLine (trimmed, non-empty) in the mode g.gPrompt and carries it out
// through `conn` at the time `now` (the base of the router uptime): configuration writes and
// the device routines of show, copy, erase, telnet, resume and ping. A one-word line is settled
// here; a line with a blank goes to RunMultiWordCommand. Reads the shared state only; what the
// line did comes back in the result (see ApplyLineResult). A failing device routine or database
// read throws std::runtime_error naming what failed.
interp::LineResult RunRouterCommand(db::Connection& conn, const Module1& g, services::Clock now);

// Walks a line of two or more words down the command tree, one level per word.
interp::LineResult RunMultiWordCommand(db::Connection& conn, const Module1& g, services::Clock now);

}  // namespace rd
