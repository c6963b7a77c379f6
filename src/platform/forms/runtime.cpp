// The runtime: registered forms, focus, user events, the key path and the send-keys queue.
#include <algorithm>
#include <stdexcept>

#include "platform/forms/forms.h"

namespace rd::forms {

Runtime::Runtime(services::Services& services) : services_(services) {}

Runtime::~Runtime() {
  focused_ = nullptr;
  forms_.clear();
}

int Runtime::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  return services_.MsgBox(prompt, buttons, title.empty() ? services::kAppTitle : title);
}

void Runtime::Register(std::unique_ptr<Form> form) { forms_.push_back(std::move(form)); }

Form& Runtime::GetForm(const std::string& name) const {
  for (const auto& f : forms_) {
    if (f->Name() == name) return *f;
  }
  throw std::out_of_range("no form named " + name);
}

std::vector<Form*> Runtime::Forms() const {
  std::vector<Form*> out;
  for (const auto& f : forms_) out.push_back(f.get());
  return out;
}

bool Runtime::AnyLoaded() const {
  return std::any_of(forms_.begin(), forms_.end(), [](const auto& f) { return f->IsLoaded(); });
}

Form* Runtime::ActiveForm() const { return activation_.empty() ? nullptr : activation_.back(); }

void Runtime::SetFocus(Control* c) {
  if (c == focused_) return;
  Control* old = focused_;
  focused_ = c;
  if (c) {
    Form& f = c->Parent();
    f.lastFocus_ = c;
    if (f.Visible() && ActiveForm() != &f) {
      std::erase(activation_, &f);
      activation_.push_back(&f);
    }
  }
  if (old && old->LostFocus) old->LostFocus();
  if (c && c->GotFocus) c->GotFocus();
}

void Runtime::FormActivated(Form& f) {
  const bool wasActive = ActiveForm() == &f;
  std::erase(activation_, &f);
  activation_.push_back(&f);
  if (!focused_ || &focused_->Parent() != &f) {
    SetFocus(f.FocusTarget());
  }
  if (!wasActive) f.Form_Activate();
}

void Runtime::FormDeactivated(Form& f) {
  const bool wasActive = ActiveForm() == &f;
  std::erase(activation_, &f);
  const bool hadFocus = focused_ && &focused_->Parent() == &f;
  if (hadFocus) focused_ = nullptr;
  if (!wasActive && !hadFocus) return;
  if (Form* next = ActiveForm()) {
    SetFocus(next->FocusTarget());
    if (wasActive) next->Form_Activate();
  }
}

// Tab moves to the next (Shift+Tab the previous) tab stop of the focused control's form, by
// TabIndex and then by design order, wrapping around.
void Runtime::MoveFocusByTab(bool backwards) {
  Form* form = focused_ ? &focused_->Parent() : ActiveForm();
  if (!form) return;
  std::vector<Control*> stops;
  for (Control* c : form->Controls()) {
    if (c->TabStop && CanFocus(*c)) stops.push_back(c);
  }
  if (stops.empty()) return;
  std::stable_sort(stops.begin(), stops.end(),
                   [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
  const auto it = std::find(stops.begin(), stops.end(), focused_);
  const auto n = static_cast<ptrdiff_t>(stops.size());
  ptrdiff_t next = 0;
  if (it != stops.end()) {
    next = ((it - stops.begin()) + (backwards ? n - 1 : 1)) % n;
  } else if (backwards) {
    next = n - 1;
  }
  SetFocus(stops[static_cast<size_t>(next)]);
}

// The key path: Tab moves the focus; the form previews F1 (and gets every key when no control
// has the focus); a text box runs KeyDown, then KeyPress for a character, then its own action.
void Runtime::DeliverKey(const Key& key) {
  if (key.keyCode == vbKeyTab && (key.shift & (vbCtrlMask | vbAltMask)) == 0) {
    MoveFocusByTab((key.shift & vbShiftMask) != 0);
    return;
  }
  Control* target = focused_;
  if (Form* form = target ? &target->Parent() : ActiveForm();
      form && (target == nullptr || key.keyCode == vbKeyF1)) {
    int16_t code = key.keyCode;
    if (form->KeyDown) form->KeyDown(code, key.shift);
    if (target == nullptr || code == 0) return;
  }
  if (!target) return;
  if (auto* box = dynamic_cast<TextBox*>(target)) {
    int16_t code = key.keyCode;
    if (box->KeyDown) box->KeyDown(code, key.shift);
    int32_t ascii = key.ascii;
    if (ascii != 0 && box->KeyPress) box->KeyPress(ascii);
    if (key.ascii != 0 && ascii == 0) return;  // KeyPress cancelled the character
    if (!box->Parent().IsLoaded()) return;     // a handler closed the window
    box->DefaultAction(Key{code, key.shift, ascii});
  } else if (auto* button = dynamic_cast<CommandButton*>(target)) {
    if ((key.ascii == 13 || key.ascii == 32) && button->Click) button->Click();
  } else if (auto* check = dynamic_cast<CheckBox*>(target)) {
    if (key.ascii == 32) {
      check->Value = check->Value ? 0 : 1;
      if (check->Click) check->Click();
    }
  } else if (auto* combo = dynamic_cast<ComboBox*>(target)) {
    combo->TypeKey(key);
  }
}

void Runtime::RunGuarded(const std::function<void()>& handler) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  };
  if (depth_ > 0) {
    // Inside an event an exception travels on to the handler that started the event.
    Depth guard(depth_);
    handler();
    return;
  }
  std::string error;
  try {
    Depth guard(depth_);
    handler();
  } catch (const std::exception& e) {
    error = e.what();
  } catch (...) {
    error = "Unexpected error";
  }
  if (!error.empty()) MsgBox(error, services::vbCritical, services::kAppTitle);
}

void Runtime::RunEvent(const std::function<void()>& handler) {
  RunGuarded(handler);
  if (depth_ > 0) return;
  DrainSendKeys();
  Notify();
}

// Delivers queued keys, each as an event of its own; keys sent meanwhile join the queue's end.
void Runtime::DrainSendKeys() {
  if (draining_) return;
  draining_ = true;
  while (!pending_.empty()) {
    const Key key = pending_.front();
    pending_.erase(pending_.begin());
    RunGuarded([this, key] { DeliverKey(key); });
  }
  draining_ = false;
}

void Runtime::Notify() {
  const std::vector<Observer*> observers = observers_;
  for (Observer* o : observers) o->AfterEvent();
}

void Runtime::SendKeys(const std::string& keys) {
  const std::vector<Key> parsed = ParseSendKeys(keys);
  pending_.insert(pending_.end(), parsed.begin(), parsed.end());
  if (depth_ > 0) return;
  DrainSendKeys();
  Notify();
}

void Runtime::PressKey(const Key& key) {
  RunEvent([this, key] { DeliverKey(key); });
}

void Runtime::TypeKeys(const std::string& sendKeysText) {
  for (const Key& key : ParseSendKeys(sendKeysText)) PressKey(key);
}

void Runtime::Click(Control& c) {
  if (!c.Visible || !c.Enabled || !c.Parent().Visible()) return;
  RunEvent([this, &c] {
    // Clicking a window makes it the active one, as a desktop does.
    if (CanFocus(c)) {
      SetFocus(&c);
    } else if (ActiveForm() != &c.Parent()) {
      FormActivated(c.Parent());
    }
    if (auto* check = dynamic_cast<CheckBox*>(&c)) check->Value = check->Value ? 0 : 1;
    if (auto* captioned = dynamic_cast<CaptionedControl*>(&c)) {
      if (captioned->Click) captioned->Click();
    } else if (auto* picture = dynamic_cast<PictureBox*>(&c)) {
      if (picture->Click) picture->Click();
    } else if (auto* grid = dynamic_cast<Grid*>(&c)) {
      if (grid->Click) grid->Click();
    } else if (auto* box = dynamic_cast<TextBox*>(&c)) {
      if (box->Click) box->Click();
    } else if (auto* list = dynamic_cast<ListControl*>(&c)) {
      if (list->Click) list->Click();
    } else if (auto* menu = dynamic_cast<Menu*>(&c)) {
      if (menu->Click) menu->Click();
    }
  });
}

void Runtime::ChooseMenu(Menu& m) {
  for (const Menu* item = &m; item; item = item->ParentMenu()) {
    if (!item->Visible || !item->Enabled) return;
  }
  RunEvent([this, &m] {
    // Choosing a window's menu item makes that window the active one first, so keys it sends
    // (F1 for the help) reach it.
    if (m.Parent().Visible() && ActiveForm() != &m.Parent()) FormActivated(m.Parent());
    if (m.Click) m.Click();
  });
}

void Runtime::PopupMenu(Menu& menu) {
  std::vector<Menu*> items;
  std::vector<std::string> captions;
  for (Menu* item : menu.Children()) {
    if (!item->Visible) continue;
    items.push_back(item);
    captions.push_back(item->Caption);
  }
  const int chosen = services_.PopupMenu(captions);
  if (chosen < 0 || chosen >= static_cast<int>(items.size())) return;
  Menu& item = *items[static_cast<size_t>(chosen)];
  if (item.Enabled && item.Click) item.Click();
}

void Runtime::DropDownAndChoose(ComboBox& combo, const std::string& item) {
  if (!combo.Visible || !combo.Enabled) {
    throw std::invalid_argument(combo.Name() + " cannot be used: it is hidden or disabled");
  }
  bool found = false;
  RunEvent([this, &combo, &item, &found] {
    SetFocus(&combo);
    if (combo.DropDown) combo.DropDown();
    const auto it = std::find(combo.Items.begin(), combo.Items.end(), item);
    if (it == combo.Items.end()) return;
    found = true;
    combo.ListIndex = static_cast<int>(it - combo.Items.begin());
    combo.Text = item;
    if (combo.Click) combo.Click();
  });
  if (!found) throw std::invalid_argument("no item \"" + item + "\" in " + combo.Name());
}

// Advances time to each next timer expiry in turn, so timers fire in the order they fall due; a
// timer that was off while time passed starts counting afresh.
void Runtime::Tick(int milliseconds) {
  int64_t remaining = milliseconds;
  while (remaining > 0) {
    std::vector<Timer*> running;
    for (const auto& f : forms_) {
      for (Control* c : f->Controls()) {
        if (c->Kind() != ControlKind::Timer) continue;
        auto* t = static_cast<Timer*>(c);
        const bool on = f->IsLoaded() && t->Enabled && t->Interval > 0;
        if (on) {
          running.push_back(t);
        } else {
          t->elapsedMs_ = 0;
        }
      }
    }
    if (running.empty()) return;
    int64_t step = remaining;
    for (const Timer* t : running) step = std::min(step, t->Interval - t->elapsedMs_);
    step = std::max<int64_t>(step, 0);
    remaining -= step;
    for (Timer* t : running) t->elapsedMs_ += step;
    for (Timer* t : running) {
      if (t->elapsedMs_ < t->Interval) continue;
      t->elapsedMs_ = 0;
      if (!t->Enabled || t->Interval <= 0 || !t->Parent().IsLoaded() || !t->Tick) continue;
      const std::function<void()> tick = t->Tick;  // the handler may replace itself
      RunEvent(tick);
    }
  }
}

void Runtime::AddObserver(Observer* o) { observers_.push_back(o); }

void Runtime::RemoveObserver(Observer* o) { std::erase(observers_, o); }

}  // namespace rd::forms
