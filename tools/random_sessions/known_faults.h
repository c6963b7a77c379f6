// Behaviour the checks would take for a fault: a fault found and not mended yet, or what the
// program does on purpose that a check cannot tell from one. Each has a name and a narrow rule:
// when it is excluded on the command line, the sessions keep to the rule (and a shortened script
// that breaks it does not count as failing the same way), so that every other check still runs.
// Every run prints what it excludes.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/app.h"

namespace rd::sessions {

struct KnownFault {
  std::string name;
  std::string fault;  // what goes wrong
  std::string rule;   // what the sessions leave out while it is excluded
  // Whether a script line keeps to the rule in the state `app` shows before it runs.
  std::function<bool(const std::string& line, App& app)> allows;
};

const std::vector<KnownFault>& KnownFaults();

// The rules of the excluded faults over one session: some depend on what came before.
class ExclusionGuard {
 public:
  // Throws std::invalid_argument for a name that is no known fault.
  explicit ExclusionGuard(const std::set<std::string>& excluded);

  bool Excludes(const std::string& name) const { return excluded_.contains(name); }
  // Whether the script line keeps to the rules in the state `app` shows before it runs.
  bool Allows(const std::string& line, App& app) const;

 private:
  std::set<std::string> excluded_;
};

}  // namespace rd::sessions
