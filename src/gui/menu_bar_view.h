// The menus of a form in its window's menu bar. The tree is rebuilt when the form's menu items
// change (control-array elements loaded or unloaded); otherwise each item's caption,
// visibility, enabled and checked state is brought in step.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "gui/event_gate.h"
#include "platform/forms/forms.h"

namespace rd::gui {

class MenuBarView {
 public:
  MenuBarView(forms::Form& form, QMenuBar& bar, EventGate& gate);
  ~MenuBarView();
  MenuBarView(const MenuBarView&) = delete;
  MenuBarView& operator=(const MenuBarView&) = delete;

  void Sync();
  // The action that draws a menu item; nullptr when none (for tests).
  QAction* ActionOf(const forms::Menu* menu) const;

 private:
  // Identifies one menu item as the tree was built; a new element loaded at the address of
  // an unloaded one differs in name or index.
  using Entry = std::tuple<forms::Menu*, forms::Menu*, std::string, int>;
  std::vector<Entry> CurrentEntries() const;
  void Rebuild();
  void Add(forms::Menu* item, QWidget* into);
  void Discard();

  forms::Form& form_;
  QMenuBar& bar_;
  EventGate& gate_;
  std::vector<Entry> entries_;
  std::map<const forms::Menu*, QAction*> actions_;
  std::vector<QPointer<QObject>> owned_;  // the actions and submenus of the current tree
};

}  // namespace rd::gui
