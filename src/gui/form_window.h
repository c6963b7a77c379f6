// The Qt window of one form: its controls at their design positions on a canvas, its menus in
// the menu bar. Closing the window asks the runtime to unload the form; whether the window then
// goes is the binder's decision (Form_Unload may cancel). The window opens inside the screen;
// on a screen too small for its design size the canvas scrolls.
#pragma once

#include <QMainWindow>
#include <QScrollArea>
#include <map>
#include <memory>
#include <vector>

#include "gui/control_view.h"
#include "gui/event_gate.h"
#include "gui/menu_bar_view.h"
#include "platform/forms/forms.h"

namespace rd::gui {

class FormWindow : public QMainWindow {
 public:
  FormWindow(forms::Form& form, EventGate& gate);
  ~FormWindow() override;

  forms::Form& form() const { return form_; }
  // Brings caption, size, controls (views made and dropped as the form's controls come and go)
  // and menus in step with the form. The window is never smaller than the form's design size;
  // enlarged, it moves and stretches the controls by their anchors.
  void Sync();
  // Sizes and moves the window, not yet shown, to open inside the available area of the screen
  // of `opener` (the window the user was in; nullptr for none): centred on it, or else on the
  // screen. A design size larger than that area is cut down to it, and the canvas scrolls.
  void PlaceForOpening(const QWidget* opener);
  ControlView* ViewOf(const forms::Control* control) const;
  const MenuBarView& menus() const { return *menus_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The canvas was resized: the controls follow their anchors.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Keys no control took (the window itself has the focus): the form's key preview.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SyncControls();
  void SyncSize();
  void SyncViews();
  // How much larger than the design size the canvas is shown.
  QSize Extra() const;
  int MenuHeight() const;

  class Scroller;
  forms::Form& form_;
  EventGate& gate_;
  QWidget* canvas_;
  Scroller* scroller_;
  std::unique_ptr<MenuBarView> menus_;
  std::vector<forms::Control*> known_;  // the form's controls when the views were last made
  std::map<const forms::Control*, std::unique_ptr<ControlView>> views_;
  std::string caption_;
  QSize size_;
  QSize room_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};  // the most the screen leaves for the canvas
};

}  // namespace rd::gui
