// Forms: load, show, hide and unload, and the form's list of controls.
#include <algorithm>
#include <stdexcept>

#include "platform/forms/forms.h"

namespace rd::forms {

Form::Form(Runtime& rt, std::string name, std::string caption)
    : Caption(std::move(caption)), rt_(rt), name_(std::move(name)) {}

Form::~Form() { std::erase(rt_.activation_, this); }

void Form::AddControl(Control* c) { controls_.push_back(c); }

void Form::RemoveControl(Control* c) {
  std::erase(controls_, c);
  if (lastFocus_ == c) lastFocus_ = nullptr;
  if (rt_.focused_ == c) rt_.focused_ = nullptr;
}

Control* Form::FindControl(const std::string& name, int index) const {
  for (Control* c : controls_) {
    if (c->Name() == name && c->Index() == index) return c;
  }
  return nullptr;
}

std::vector<Menu*> Form::TopMenus() const {
  std::vector<Menu*> out;
  for (Control* c : controls_) {
    if (c->Kind() == ControlKind::Menu) {
      auto* m = static_cast<Menu*>(c);
      if (m->ParentMenu() == nullptr) out.push_back(m);
    }
  }
  return out;
}

void Form::FinishDesign() {
  for (Control* c : controls_) c->SaveDesign();
  designCaption_ = Caption;
  designed_ = true;
}

Control* Form::FocusTarget() const {
  if (lastFocus_ && CanFocus(*lastFocus_)) return lastFocus_;
  Control* best = nullptr;
  for (Control* c : controls_) {
    if (c->TabStop && CanFocus(*c) && (!best || c->TabIndex < best->TabIndex)) best = c;
  }
  return best;
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void Form::Load() {
  if (loaded_) return;
  rt_.RunEvent([this] {
    loaded_ = true;
    try {
      Form_Load();
    } catch (...) {
      // A half-run load leaves no half-built window behind: the next Load runs it afresh, and a
      // hidden loaded window can't keep the program alive.
      Discard();
      throw;
    }
  });
}

void Form::Show() {
  rt_.RunEvent([this] {
    Load();
    if (!loaded_) return;  // Form_Load unloaded the form again
    visible_ = true;
    ++shows_;
    rt_.FormActivated(*this);
  });
}

void Form::Hide() {
  if (!visible_) return;
  rt_.RunEvent([this] {
    visible_ = false;
    rt_.FormDeactivated(*this);
  });
}

void Form::Unload() {
  if (!loaded_) return;
  rt_.RunEvent([this] {
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0 || !loaded_) return;
    Discard();
  });
}

void Form::Discard() {
  loaded_ = false;
  visible_ = false;
  rt_.FormDeactivated(*this);
  for (MenuArray* a : menuArrays_) a->UnloadAll();
  if (designed_) {
    Caption = designCaption_;
    for (Control* c : controls_) c->RestoreDesign();
  }
  lastFocus_ = nullptr;
}

}  // namespace rd::forms
