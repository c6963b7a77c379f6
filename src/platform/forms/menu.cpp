// Menu items and menu control arrays.
#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "platform/forms/forms.h"

namespace rd::forms {

Menu::Menu(Form& parent, std::string name, std::string caption, Menu* parentMenu, int index)
    : Control(parent, std::move(name), ControlKind::Menu, index),
      Caption(std::move(caption)),
      parentMenu_(parentMenu) {}

std::vector<Menu*> Menu::Children() const {
  std::vector<Menu*> out;
  for (Control* c : Parent().Controls()) {
    if (c->Kind() == ControlKind::Menu) {
      auto* m = static_cast<Menu*>(c);
      if (m->parentMenu_ == this) out.push_back(m);
    }
  }
  return out;
}

std::string Menu::DisplayText() const {
  const std::vector<Menu*> children = Children();
  if (children.empty()) return Caption;
  std::string out;
  for (const Menu* m : children) {
    if (!m->Visible) continue;
    if (!out.empty()) out += CRLF;
    out += m->Caption;
  }
  return out;
}

void Menu::SaveDesign() {
  designCommon_ = SaveCommon();
  designCaption_ = Caption;
  designChecked_ = Checked;
}

void Menu::RestoreDesign() {
  RestoreCommon(designCommon_);
  Caption = designCaption_;
  Checked = designChecked_;
}

MenuArray::MenuArray(Form& parent, std::string name, std::string caption0, Menu* parentMenu,
                     bool visible0)
    : form_(parent), name_(std::move(name)), parentMenu_(parentMenu) {
  auto first = std::make_unique<Menu>(form_, name_, std::move(caption0), parentMenu_, 0);
  first->Visible = visible0;
  first->Click = [this] {
    if (Click) Click(0);
  };
  elements_.emplace(0, std::move(first));
  form_.menuArrays_.push_back(this);
}

MenuArray::~MenuArray() { std::erase(form_.menuArrays_, this); }

Menu& MenuArray::operator()(int index) {
  auto it = elements_.find(index);
  if (it == elements_.end()) {
    throw std::out_of_range("Control array element '" + std::to_string(index) +
                            "' doesn't exist: " + name_);
  }
  return *it->second;
}

bool MenuArray::IsLoaded(int index) const { return elements_.count(index) != 0; }

void MenuArray::Load(int index) {
  if (index < 0) throw std::invalid_argument("negative menu index for " + name_);
  if (IsLoaded(index)) {
    throw std::invalid_argument("Object already loaded: " + name_ + "(" + std::to_string(index) +
                                ")");
  }
  const Menu& first = *elements_.at(0);
  auto element = std::make_unique<Menu>(form_, name_, first.Caption, parentMenu_, index);
  element->Visible = false;
  element->Enabled = first.Enabled;
  element->Checked = first.Checked;
  element->Click = [this, index] {
    if (Click) Click(index);
  };
  element->SaveDesign();
  // Place the element after the loaded element just below it, so the menu lists the array in
  // index order.
  const Menu* before = std::prev(elements_.lower_bound(index))->second.get();
  std::vector<Control*>& controls = form_.controls_;
  std::erase(controls, element.get());
  controls.insert(std::find(controls.begin(), controls.end(), before) + 1, element.get());
  elements_.emplace(index, std::move(element));
}

void MenuArray::UnloadAll() {
  std::erase_if(elements_, [](const auto& e) { return e.first != 0; });
}

std::vector<int> MenuArray::LoadedIndexes() const {
  std::vector<int> out;
  for (const auto& e : elements_) out.push_back(e.first);
  return out;
}

}  // namespace rd::forms
