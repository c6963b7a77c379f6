#include "action_chooser.h"

#include <utility>

#include "terminal/form2.h"

namespace rd::sessions {
namespace {

// The special keys a student presses at the console, in send-keys notation.
const std::vector<std::string>& SpecialKeys() {
  static const std::vector<std::string> keys = {
      "{UP}", "{DOWN}", "{LEFT}", "{RIGHT}", "{HOME}", "{END}", "{BS}", "{DEL}", "{ESC}", "{TAB}",
      "^z",   "^+6",    "x",      " ",       "?",      "~",     "{F1}", "q",     "^c"};
  return keys;
}

// A menu item the user can choose: a visible and enabled leaf whose menus are too.
bool Choosable(const forms::Menu& item) {
  if (!item.Children().empty() || item.Caption == "-") return false;
  for (const forms::Menu* m = &item; m != nullptr; m = m->ParentMenu()) {
    if (!m->Visible || !m->Enabled) return false;
  }
  return true;
}

std::string ControlName(const forms::Control& c) {
  return c.Index() >= 0 ? c.Name() + "(" + std::to_string(c.Index()) + ")" : c.Name();
}

}  // namespace

ActionChooser::ActionChooser(const CommandLines& lines, const FileAnswers& files)
    : lines_(lines), files_(files) {}

std::vector<std::string> ActionChooser::Next(Random& random, App& app) {
  if (std::optional<std::string> choice = ChoiceAfterDropDown(random, app)) return {*choice};
  Form2& terminal = app.Window<Form2>();
  if (forms::CanFocus(terminal.Text1) && !random.Chance(4)) return AtTheConsole(random, app);
  if (!terminal.IsLoaded() && app.ui.GetForm("Form17").Visible() && random.Chance(70)) {
    return {"menu Form17 mnursim"};
  }
  return Anywhere(random, app);
}

std::vector<std::string> ActionChooser::AtTheConsole(Random& random, App& app) {
  const std::string keys = "keys Form2 Text1 ";
  const size_t roll = random.Below(100);
  if (roll < 50) return {keys + lines_.Line(random, app.g.gPrompt) + "~"};
  if (roll < 58) {
    return {keys + lines_.Line(random, app.g.gPrompt) + (random.Chance(50) ? " ?" : "?")};
  }
  if (roll < 70) {
    std::string pressed;
    for (int i = random.Between(1, 4); i > 0; --i) pressed += random.Pick(SpecialKeys());
    return {keys + pressed};
  }
  if (roll < 76) return {keys + OddText(random) + (random.Chance(70) ? "~" : "")};
  if (roll < 82) return {"file " + files_.ForOpen(random), "menu Form2 mnuop"};
  if (roll < 86) return {"file " + files_.ForSave(random), "menu Form2 mnusave"};
  if (roll < 94) {
    std::vector<std::string> buttons;
    for (forms::CommandButton* b : {&app.Window<Form2>().Command1, &app.Window<Form2>().Command3,
                                    &app.Window<Form2>().Command4, &app.Window<Form2>().Command2}) {
      if (b->Visible && b->Enabled) buttons.push_back("click Form2 " + b->Name());
    }
    return {random.Pick(buttons)};
  }
  if (roll < 96) return {"menu Form2 mnuexit"};
  return Anywhere(random, app);
}

std::optional<std::string> ActionChooser::ChoiceAfterDropDown(Random& random, App& app) {
  const std::string dropped = std::exchange(droppedDown_, "");
  if (dropped.empty()) return std::nullopt;
  const size_t blank = dropped.find(' ');
  forms::Control* control =
      app.ui.GetForm(dropped.substr(0, blank)).FindControl(dropped.substr(blank + 1));
  auto* combo = dynamic_cast<forms::ComboBox*>(control);
  if (combo == nullptr || !forms::CanFocus(*combo)) return std::nullopt;
  std::vector<std::string> items;
  for (const std::string& item : combo->Items) {
    if (!item.empty()) items.push_back(item);
  }
  if (items.empty() || random.Chance(20)) return std::nullopt;
  return "choose " + dropped + " " + random.Pick(items);
}

std::vector<std::string> ActionChooser::Anywhere(Random& random, App& app) {
  std::vector<std::string> actions{"tick 1"};
  for (forms::Form* form : app.ui.Forms()) {
    if (!form->IsLoaded() || !form->Visible()) continue;
    for (forms::Control* c : form->Controls()) {
      const std::string target = form->Name() + " " + ControlName(*c);
      if (auto* button = dynamic_cast<forms::CommandButton*>(c)) {
        if (button->Visible && button->Enabled) actions.push_back("click " + target);
      } else if (auto* item = dynamic_cast<forms::Menu*>(c)) {
        if (Choosable(*item)) actions.push_back("menu " + target);
      } else if (auto* combo = dynamic_cast<forms::ComboBox*>(c)) {
        // A list is filled when it drops down: its items are chosen from right after that.
        if (forms::CanFocus(*combo)) actions.push_back("dropdown " + target);
      }
    }
  }
  std::vector<std::string> chosen{random.Pick(actions)};
  if (chosen.front().starts_with("dropdown ")) droppedDown_ = chosen.front().substr(9);
  if (random.Chance(20)) {
    chosen.insert(chosen.begin(), random.Pick(std::vector<std::string>{
                                      "answer yes", "answer no", "answer ok", "answer cancel"}));
  }
  return chosen;
}

}  // namespace rd::sessions
