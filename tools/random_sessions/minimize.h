// Shortens a failing script as long as it still fails the same way: first whole lines are left
// out (in halves, quarters and so on, then single lines and pairs), then keys within the typed
// lines.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rd::sessions {

using Script = std::vector<std::string>;

Script Minimize(Script script, const std::function<bool(const Script&)>& fails);

}  // namespace rd::sessions
