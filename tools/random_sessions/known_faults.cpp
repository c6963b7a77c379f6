#include "known_faults.h"

#include <algorithm>
#include <stdexcept>

#include "terminal/form2.h"

namespace rd::sessions {
namespace {

// The window a line acts on ("menu FORM ...", "click FORM ...", ...); "" for other lines.
std::string FormOf(const std::string& line) {
  const size_t verb = line.find(' ');
  if (verb == std::string::npos) return "";
  const size_t form = line.find(' ', verb + 1);
  return line.substr(verb + 1, form == std::string::npos ? std::string::npos : form - verb - 1);
}

}  // namespace

const std::vector<KnownFault>& KnownFaults() {
  static const std::vector<KnownFault> faults = {
      {"lab-beside-terminal",
       "the guided lab's windows and the simulator share the host name and prompt, as the "
       "program keeps them: a lab exercise opened while the simulator is open (the main window "
       "comes back with the administrator's Back or the score's Close), or a device chosen, a "
       "score shown or an answer asked in a lab window beside it, sets them for the lab, and the "
       "simulator's next Enter prints the lab's prompt, which the prompt check takes for a "
       "fault",
       "while the simulator is loaded, no lab exercise opened and no lab window used"},
  };
  return faults;
}

ExclusionGuard::ExclusionGuard(const std::set<std::string>& excluded) : excluded_(excluded) {
  for (const std::string& name : excluded) {
    if (std::none_of(KnownFaults().begin(), KnownFaults().end(),
                     [&](const KnownFault& f) { return f.name == name; })) {
      throw std::invalid_argument("no known fault named " + name);
    }
  }
}

bool ExclusionGuard::Allows(const std::string& line, App& app) const {
  if (Excludes("lab-beside-terminal") && app.Window<Form2>().IsLoaded()) {
    for (const char* labs :
         {"mnusublab(", "mnuroutsl2(", "mnuaccess(", "mnusw(", "mnuswcon2(", "mnuwan2("}) {
      if (line.starts_with(std::string("menu Form17 ") + labs)) return false;
    }
    for (const char* lab : {"Form25", "Form26", "Form27", "Form28", "Form32"}) {
      if (FormOf(line) == lab) return false;
    }
  }
  return true;
}

}  // namespace rd::sessions
