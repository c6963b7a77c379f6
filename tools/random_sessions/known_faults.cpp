#include "known_faults.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>

#include "session_checks.h"
#include "terminal/form2.h"

namespace rd::sessions {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// What a line types at the terminal's console, if it types there.
struct Typed {
  std::vector<forms::Key> keys;
  // The first Enter's index; keys.size() when there is none.
  size_t Enter() const {
    const auto it =
        std::find_if(keys.begin(), keys.end(), [](const forms::Key& k) { return k.ascii == 13; });
    return static_cast<size_t>(it - keys.begin());
  }
  bool Has(int32_t ascii, size_t from = 0) const {
    return std::any_of(keys.begin() + static_cast<std::ptrdiff_t>(std::min(from, keys.size())),
                       keys.end(), [&](const forms::Key& k) { return k.ascii == ascii; });
  }
  // Whether an Enter of these keys may run "exit" (which logs out at ">") after `pending`, the
  // text already after the prompt (the help typed the words before a "?" again). Edit keys
  // before the Enter make any "exit" in the line count.
  bool MayEnterExit(const std::string& pending) const {
    const size_t enter = Enter();
    if (enter == keys.size()) return false;
    std::string line = Lower(pending);
    bool edited = false;
    for (size_t i = 0; i < enter; ++i) {
      const int32_t c = keys[i].ascii;
      if (c >= 32 && c < 127) {
        line += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      } else {
        edited = true;
      }
    }
    const size_t first = line.find_first_not_of(' ');
    const size_t last = line.find_last_not_of(' ');
    const std::string command =
        first == std::string::npos ? "" : line.substr(first, last - first + 1);
    return command == "exit" || (edited && line.find("exit") != std::string::npos);
  }
  bool HasCode(int16_t keyCode) const {
    return std::any_of(keys.begin(), keys.end(),
                       [&](const forms::Key& k) { return k.keyCode == keyCode; });
  }
};

std::optional<Typed> AtConsole(const std::string& line) {
  constexpr std::string_view kConsoleKeys = "keys Form2 Text1 ";
  if (!line.starts_with(kConsoleKeys)) return std::nullopt;
  Typed typed;
  try {
    typed.keys = forms::ParseSendKeys(line.substr(kConsoleKeys.size()));
  } catch (const std::invalid_argument&) {
    return std::nullopt;  // the driver refuses the line
  }
  return typed;
}

// What follows the current prompt on the console's last line; nothing when that line does not
// begin with the current host name and mode.
std::optional<std::string> AfterPrompt(App& app) {
  const std::string line = TypedLine(app.Window<Form2>().Text1.Text());
  const std::string prompt = app.g.gHostName + app.g.gPrompt;
  if (!line.starts_with(prompt)) return std::nullopt;
  return line.substr(prompt.size());
}

// The window a line acts on ("menu FORM ...", "click FORM ...", ...); "" for other lines.
std::string FormOf(const std::string& line) {
  const size_t verb = line.find(' ');
  if (verb == std::string::npos) return "";
  const size_t form = line.find(' ', verb + 1);
  return line.substr(verb + 1, form == std::string::npos ? std::string::npos : form - verb - 1);
}

bool AwaitsEnter(const App& app) { return app.g.gAwaitingEnter; }

bool AtPassword(const App& app) { return app.g.gPasswordMode || app.g.gEnablePasswordMode; }

// The console takes a line as a command: no session start, password or paging pending.
bool AtPrompt(const App& app) {
  return !AwaitsEnter(app) && !AtPassword(app) && !app.g.gMorePending;
}

}  // namespace

const std::vector<KnownFault>& KnownFaults() {
  static const std::vector<KnownFault> faults = {
      {"help-then-new-session",
       "\"?\" leaves the console's redraw mark set until the next command; when a new session "
       "starts first (\"?\" on the \"press enter to begin\" line, or leaving the simulator, or "
       "logging out, and coming back) the session's own Up key is taken for the redraw and "
       "the next command is typed on a line without prompt",
       "\"?\" only at a prompt and not in a line that holds Enter; after a \"?\", until a "
       "command is entered at a prompt, nothing that starts a new session (Home, Close, File "
       "Exit, a device chosen in the diagram, \"exit\")"},
      {"backspace-guard-by-length",
       "the Backspace guard measures the line against the length of the current host name and "
       "mode, not against the prompt shown: where the console shows a longer one (\"press enter "
       "to begin\", or a device's old name after a loaded file or the diagram changed it), "
       "Backspace erases into it",
       "no Backspace while the console awaits Enter, after an Enter in the same line, or where "
       "the line does not begin with the current host name and mode"},
      {"home-key",
       "Home puts the caret at the start of the prompt line: what is typed then goes before the "
       "prompt, and Backspace deletes the line break and joins the prompt to the output above",
       "no Home key"},
      {"lab-beside-terminal",
       "the guided lab's windows and the simulator share the host name and prompt: a lab "
       "exercise opened from the main window while the simulator is open (the main window comes "
       "back with the administrator's Back or the score's Close), or a device chosen, a score "
       "shown or an answer asked in a lab window beside it, sets them for the lab, and the "
       "simulator's next Enter prints no prompt or another device's",
       "while the simulator is loaded, no lab exercise opened and no lab window used"},
      {"device-choice-at-password",
       "choosing a device in the diagram while a password is asked starts \"press enter to "
       "begin\" but leaves password entry on: the next key is taken as a password character and "
       "its star replaces the line",
       "no device chosen in the diagram while a password is asked"},
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
  const std::optional<Typed> typed = AtConsole(line);
  if (commandDue_) {
    const bool startsSession = line == "click Form2 Command4" || line == "click Form2 Command2" ||
                               line == "menu Form2 mnuexit" ||
                               line.starts_with("choose Form1 Combo1 ") ||
                               (typed && typed->MayEnterExit(AfterPrompt(app).value_or("")));
    if (startsSession) return false;
  }
  if (typed) {
    const size_t enter = typed->Enter();
    if (Excludes("help-then-new-session") && typed->Has('?') &&
        (!AtPrompt(app) || enter < typed->keys.size())) {
      return false;
    }
    // While awaiting Enter no Backspace at all; otherwise none after an Enter of the line, nor
    // on a line that shows another prompt than the current one.
    if (Excludes("backspace-guard-by-length") &&
        typed->Has(8, AwaitsEnter(app) || !AfterPrompt(app).has_value() ? 0 : enter)) {
      return false;
    }
    if (Excludes("home-key") && typed->HasCode(forms::vbKeyHome)) return false;
  }
  if (Excludes("lab-beside-terminal") && app.Window<Form2>().IsLoaded()) {
    for (const char* labs :
         {"mnusublab(", "mnuroutsl2(", "mnuaccess(", "mnusw(", "mnuswcon2(", "mnuwan2("}) {
      if (line.starts_with(std::string("menu Form17 ") + labs)) return false;
    }
    for (const char* lab : {"Form25", "Form26", "Form27", "Form28", "Form32"}) {
      if (FormOf(line) == lab) return false;
    }
  }
  if (Excludes("device-choice-at-password") && line.starts_with("choose Form1 Combo1 ") &&
      AtPassword(app)) {
    return false;
  }
  return true;
}

void ExclusionGuard::Note(const std::string& line, App& app) {
  const std::optional<Typed> typed = AtConsole(line);
  if (!Excludes("help-then-new-session") || !typed || !AtPrompt(app)) return;
  if (commandDue_ && typed->Enter() < typed->keys.size()) {
    commandDue_ = false;  // the command's Enter uses the mark up
  } else if (typed->Has('?')) {
    commandDue_ = true;
  }
}

}  // namespace rd::sessions
