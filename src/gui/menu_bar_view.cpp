#include "gui/menu_bar_view.h"

#include <QMenu>
#include <algorithm>

#include "gui/qt_text.h"

namespace rd::gui {

MenuBarView::MenuBarView(forms::Form& form, QMenuBar& bar, EventGate& gate)
    : form_(form), bar_(bar), gate_(gate) {}

MenuBarView::~MenuBarView() { Discard(); }

std::vector<MenuBarView::Entry> MenuBarView::CurrentEntries() const {
  std::vector<Entry> out;
  for (forms::Control* c : form_.Controls()) {
    if (c->Kind() != forms::ControlKind::Menu) continue;
    auto* m = static_cast<forms::Menu*>(c);
    out.emplace_back(m, m->ParentMenu(), m->Name(), m->Index());
  }
  return out;
}

void MenuBarView::Sync() {
  std::vector<Entry> entries = CurrentEntries();
  if (entries != entries_) {
    entries_ = std::move(entries);
    Rebuild();
  }
  for (const auto& [menu, action] : actions_) {
    const bool separator = menu->Caption == "-";
    const QString text = separator ? QString() : ToQtText(menu->Caption);
    if (action->text() != text) action->setText(text);
    action->setSeparator(separator);
    action->setVisible(menu->Visible);
    action->setEnabled(menu->Enabled);
    action->setCheckable(menu->Checked);
    action->setChecked(menu->Checked);
  }
  // A window whose menus are all hidden (a context menu only) shows no menu bar.
  const std::vector<forms::Menu*> tops = form_.TopMenus();
  bar_.setVisible(
      std::any_of(tops.begin(), tops.end(), [](const forms::Menu* m) { return m->Visible; }));
}

QAction* MenuBarView::ActionOf(const forms::Menu* menu) const {
  const auto it = actions_.find(menu);
  return it == actions_.end() ? nullptr : it->second;
}

// The old tree may hold the action whose signal is being handled: it is detached now and
// deleted once control is back in the event loop.
void MenuBarView::Discard() {
  bar_.clear();
  for (const QPointer<QObject>& o : owned_) {
    if (o) {
      o->disconnect();
      o->deleteLater();
    }
  }
  owned_.clear();
  actions_.clear();
}

void MenuBarView::Rebuild() {
  Discard();
  for (forms::Menu* top : form_.TopMenus()) Add(top, &bar_);
}

void MenuBarView::Add(forms::Menu* item, QWidget* into) {
  const std::vector<forms::Menu*> children = item->Children();
  QAction* action = nullptr;
  if (children.empty()) {
    action = new QAction(ToQtText(item->Caption));
    QObject::connect(action, &QAction::triggered, [this, item] {
      gate_.Run([item](forms::Runtime& rt) { rt.ChooseMenu(*item); });
    });
  } else {
    auto* submenu = new QMenu(ToQtText(item->Caption));
    owned_.emplace_back(submenu);
    for (forms::Menu* child : children) Add(child, submenu);
    action = submenu->menuAction();
  }
  owned_.emplace_back(action);
  actions_[item] = action;
  into->addAction(action);
}

}  // namespace rd::gui
