#include "script_driver.h"

#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/db/db.h"

namespace rd::driver {
namespace {

struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Window texts hold CR LF line breaks; the transcript shows plain newlines.
std::string Printable(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result += text[i];
  }
  return result;
}

// Splits off the first blank-separated word; `rest` keeps everything after the single blank
// that follows it.
std::string TakeWord(std::string& rest) {
  const size_t blank = rest.find(' ');
  std::string word = rest.substr(0, blank);
  rest = blank == std::string::npos ? "" : rest.substr(blank + 1);
  return word;
}

// A whole number of at most four digits, nothing else (no sign, no blanks).
int ParseNumber(const std::string& text, const std::string& what) {
  if (text.empty() || text.size() > 4 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    throw ScriptError("bad " + what + ": '" + text + "'");
  }
  return std::stoi(text);
}

constexpr const char* kNameCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";

// The verbs that act on a control: FORM CONTROL follow them.
bool TakesControl(const std::string& verb) {
  return verb == "show" || verb == "menu" || verb == "click" || verb == "keys" ||
         verb == "choose" || verb == "dropdown";
}

std::string Flag(bool value) { return value ? "true" : "false"; }

// The elements of a list, separated by commas.
std::string Joined(const std::vector<std::string>& items) {
  std::string joined;
  for (const std::string& item : items) joined += (joined.empty() ? "" : ",") + item;
  return joined;
}

const std::map<std::string, std::function<std::string(const Module1&)>>& Variables() {
  static const std::map<std::string, std::function<std::string(const Module1&)>> vars = {
      {"gSublabName", [](const Module1& g) { return g.gSublabName; }},
      {"gFromLab", [](const Module1& g) { return Flag(g.gFromLab); }},
      {"gHostName", [](const Module1& g) { return g.gHostName; }},
      {"gPrompt", [](const Module1& g) { return g.gPrompt; }},
      {"gDeviceColumn", [](const Module1& g) { return g.gDeviceColumn; }},
      {"gCurrentInterface", [](const Module1& g) { return g.gCurrentInterface; }},
      {"gResponse", [](const Module1& g) { return g.gResponse; }},
      {"gDsnName", [](const Module1& g) { return g.gDsnName; }},
      {"gDbPassword", [](const Module1& g) { return g.gDbPassword; }},
      {"gAddSublabFlow", [](const Module1& g) { return Flag(g.gAddSublabFlow); }},
      {"gAddInstructionMode", [](const Module1& g) { return Flag(g.gAddInstructionMode); }},
      {"gInstructionListMode", [](const Module1& g) { return Flag(g.gInstructionListMode); }},
      {"gModifyInstructionMode", [](const Module1& g) { return Flag(g.gModifyInstructionMode); }},
      {"gDeleteInstructionMode", [](const Module1& g) { return Flag(g.gDeleteInstructionMode); }},
      {"gAddCommandMode", [](const Module1& g) { return Flag(g.gAddCommandMode); }},
      {"gCommandListMode", [](const Module1& g) { return Flag(g.gCommandListMode); }},
      {"gModifyCommandMode", [](const Module1& g) { return Flag(g.gModifyCommandMode); }},
      {"gDeleteCommandMode", [](const Module1& g) { return Flag(g.gDeleteCommandMode); }},
      {"gNewSublabIndex", [](const Module1& g) { return std::to_string(g.gNewSublabIndex); }},
      {"gNewSublabName", [](const Module1& g) { return g.gNewSublabName; }},
      {"gNewInstructionIndex",
       [](const Module1& g) { return std::to_string(g.gNewInstructionIndex); }},
      {"gSelectedInstructionIndex",
       [](const Module1& g) { return std::to_string(g.gSelectedInstructionIndex); }},
      {"gSelectedCommandIndex",
       [](const Module1& g) { return std::to_string(g.gSelectedCommandIndex); }},
      {"gCurDevice", [](const Module1& g) { return g.gCurDevice; }},
      {"gInstrDevice", [](const Module1& g) { return g.gInstrDevice; }},
      {"gDevicePrompt", [](const Module1& g) { return g.gDevicePrompt; }},
      {"gLabDevices", [](const Module1& g) { return Joined(g.gLabDevices); }},
      {"gCurInstruction", [](const Module1& g) { return std::to_string(g.gCurInstruction); }},
      {"gInstrDone", [](const Module1& g) { return std::to_string(g.gInstrDone); }},
      {"gLastInstr", [](const Module1& g) { return std::to_string(g.gLastInstr); }},
      {"gCmdsRemaining", [](const Module1& g) { return std::to_string(g.gCmdsRemaining); }},
      {"gAnswerViews", [](const Module1& g) { return std::to_string(g.gAnswerViews); }},
      {"gLabDone", [](const Module1& g) { return Flag(g.gLabDone); }},
      {"gLabHostName", [](const Module1& g) { return g.gLabHostName; }},
      {"gLabPrompt", [](const Module1& g) { return g.gLabPrompt; }},
  };
  return vars;
}

}  // namespace

ScriptDriver::ScriptDriver(std::ostream& out) : out_(out) {
  services_.onShown = [this](const services::ScriptedServices::Shown& shown) {
    out_ << shown.kind << " [" << shown.title << "]";
    if (!shown.text.empty()) out_ << " " << Printable(shown.text);
    out_ << "\n";
  };
  services_.onPrinted = [this](const services::ScriptedServices::Printed& job) {
    out_ << "--- PRINT [" << job.title << "]\n" << Printable(job.text) << "\n---\n";
  };
}

int ScriptDriver::Run(std::istream& script) {
  Start();
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (const std::string error = RunLine(line); !error.empty()) {
      out_.flush();
      std::ostringstream message;
      message << "script error at line " << number << ": " << error << "\n";
      out_ << message.str();
      return 1;
    }
  }
  return 0;
}

void ScriptDriver::Start() {
  host_ = MakeApp(services_);
  host_->Start();
}

std::string ScriptDriver::RunLine(const std::string& text) {
  std::string line = text;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty() || line[0] == '#') return "";
  try {
    Execute(line);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

forms::Form& ScriptDriver::FormNamed(const std::string& name) {
  try {
    return host_->ui().GetForm(name);
  } catch (const std::out_of_range&) {
    throw ScriptError("no window '" + name + "'");
  }
}

// CONTROL may name a control-array element as NAME(INDEX).
forms::Control& ScriptDriver::ControlNamed(const std::string& form, const std::string& control) {
  std::string name = control;
  int index = -1;
  const size_t open = control.find('(');
  if (open != std::string::npos && control.back() == ')') {
    name = control.substr(0, open);
    index = ParseNumber(control.substr(open + 1, control.size() - open - 2), "index");
  }
  forms::Form& f = FormNamed(form);
  if (!f.IsLoaded()) throw ScriptError("window '" + form + "' is not loaded");
  forms::Control* c = f.FindControl(name, index);
  if (c == nullptr) throw ScriptError("no control '" + control + "' on " + form);
  return *c;
}

void ScriptDriver::Execute(const std::string& line) {
  std::string rest = line;
  const std::string verb = TakeWord(rest);
  forms::Runtime& ui = host_->ui();
  if (verb == "forms") {
    for (forms::Form* f : ui.Forms()) {
      if (!f->IsLoaded()) continue;
      out_ << f->Name() << " [" << f->Caption << "] " << (f->Visible() ? "visible" : "hidden")
           << "\n";
    }
    return;
  }
  if (verb == "answer") {
    static const std::map<std::string, int> answers = {{"yes", services::vbYes},
                                                       {"no", services::vbNo},
                                                       {"ok", services::vbOK},
                                                       {"cancel", services::vbCancel}};
    const auto it = answers.find(rest);
    if (it == answers.end()) throw ScriptError("answer must be yes, no, ok or cancel");
    services_.answers.push_back(it->second);
    return;
  }
  if (verb == "file") {
    if (rest.empty()) throw ScriptError("file needs a path or cancel");
    services_.fileAnswers.push_back(rest == "cancel" ? std::nullopt
                                                     : std::optional<std::string>(rest));
    return;
  }
  if (verb == "clock") {
    const size_t colon = rest.find(':');
    if (colon == std::string::npos) throw ScriptError("clock needs HH:MM");
    const int hour = ParseNumber(rest.substr(0, colon), "hour");
    const int minute = ParseNumber(rest.substr(colon + 1), "minute");
    if (hour > 23 || minute > 59) throw ScriptError("bad time '" + rest + "'");
    services_.clock = {hour, minute};
    return;
  }
  if (verb == "var") {
    // Every name is checked before anything is printed.
    std::vector<std::pair<std::string, const std::function<std::string(const Module1&)>*>> read;
    for (std::string names = rest; !names.empty() || read.empty();) {
      const std::string name = TakeWord(names);
      const auto it = Variables().find(name);
      if (it == Variables().end()) throw ScriptError("unknown variable '" + name + "'");
      read.emplace_back(name, &it->second);
    }
    for (const auto& [name, value] : read)
      out_ << name << " = " << (*value)(host_->app().g) << "\n";
    return;
  }
  if (verb == "hidden") {
    forms::Form& f = FormNamed(rest);
    if (!f.IsLoaded()) throw ScriptError("window '" + rest + "' is not loaded");
    out_ << "hidden " << rest << ":";
    for (const forms::Control* c : f.Controls()) {
      if (!c->Visible && c->Kind() != forms::ControlKind::Menu) out_ << " " << c->Name();
    }
    out_ << "\n";
    return;
  }
  if (verb == "table") {
    if (rest.empty() || rest.find_first_not_of(kNameCharacters) != std::string::npos) {
      throw ScriptError("table needs the name of a table");
    }
    db::Connection conn;
    conn.Open(ConnectionString(host_->app().g));
    db::Recordset rs;
    rs.Open("select * from " + rest, conn);
    out_ << "--- table " << rest << "\n";
    for (; !rs.EOF_(); rs.MoveNext()) {
      for (int i = 0; i < rs.FieldCount(); ++i) {
        out_ << (i > 0 ? "|" : "") << Printable(rs.Field(i).Text());
      }
      out_ << "\n";
    }
    out_ << "---\n";
    return;
  }
  if (verb == "focus") {
    if (!rest.empty()) throw ScriptError("unexpected '" + rest + "' after focus");
    const forms::Control* focused = ui.Focused();
    out_ << "focus "
         << (focused ? focused->Parent().Name() + "." + focused->Name() : std::string("none"))
         << "\n";
    return;
  }
  if (verb != "tick" && !TakesControl(verb)) throw ScriptError("unknown command '" + verb + "'");
  if (!ui.AnyLoaded()) throw ScriptError("the program has ended");
  if (verb == "tick") {
    const int seconds = ParseNumber(rest, "seconds");
    for (int i = 0; i < seconds; ++i) ui.Tick(1000);
    return;
  }
  const std::string form = TakeWord(rest);
  const std::string control = TakeWord(rest);
  if (form.empty() || control.empty()) throw ScriptError(verb + " needs FORM CONTROL");
  forms::Control& target = ControlNamed(form, control);
  if (verb != "keys" && verb != "choose" &&
      line.size() > verb.size() + form.size() + control.size() + 2) {
    throw ScriptError("unexpected '" + rest + "' after " + control);
  }
  if (verb == "show") {
    out_ << "--- " << form << "." << control << "\n"
         << Printable(target.DisplayText()) << "\n---\n";
  } else if (verb == "menu") {
    auto* item = dynamic_cast<forms::Menu*>(&target);
    if (item == nullptr) throw ScriptError(control + " is not a menu item");
    ui.ChooseMenu(*item);
  } else if (verb == "click") {
    ui.Click(target);
  } else if (verb == "keys") {
    // The user can type only into a control that can take the focus.
    if (!forms::CanFocus(target)) {
      throw ScriptError(control + " can't take the focus (hidden, disabled or on a hidden window)");
    }
    const std::vector<forms::Key> typed = forms::ParseSendKeys(rest);  // refuses bad text first
    if (ui.Focused() != &target) ui.RunEvent([&target] { target.SetFocus(); });
    for (const forms::Key& key : typed) ui.PressKey(key);
  } else {
    auto* combo = dynamic_cast<forms::ComboBox*>(&target);
    if (combo == nullptr) throw ScriptError(control + " is not a combo box");
    if (verb == "choose") {
      ui.DropDownAndChoose(*combo, rest);
      return;
    }
    if (!forms::CanFocus(*combo)) throw ScriptError(control + " can't be dropped down");
    // The list opens and closes again without a choice, as the window shows it.
    ui.RunEvent([combo] {
      combo->SetFocus();
      if (combo->DropDown) combo->DropDown();
    });
  }
}

}  // namespace rd::driver
