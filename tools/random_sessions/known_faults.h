// Faults these sessions found that are not mended yet. Each has a name and a narrow rule: when
// it is excluded on the command line, the sessions keep to the rule (and a shortened script
// that breaks it does not count as failing the same way), so that every other check still
// runs meanwhile. Every run prints the faults it excludes.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "shell/app.h"

namespace rd::sessions {

struct KnownFault {
  std::string name;
  std::string fault;  // what goes wrong
  std::string rule;   // what the sessions leave out while it is excluded
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
  // Takes note of a line about to run in the state `app` shows.
  void Note(const std::string& line, App& app);
  // Forgets what the last session noted.
  void Reset() { commandDue_ = false; }

 private:
  std::set<std::string> excluded_;
  bool commandDue_ = false;  // a "?" reached the help and no command has been entered since
};

}  // namespace rd::sessions
