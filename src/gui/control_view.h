// One runtime control drawn by one Qt widget. A view pulls the control's state on Sync and
// turns the widget's user events into runtime events; it never changes the control itself
// outside an event.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "gui/appearance.h"
#include "gui/event_gate.h"
#include "platform/forms/forms.h"

namespace rd::gui {

class ControlView : public QObject {
 public:
  ControlView(forms::Control& control, EventGate& gate);
  ~ControlView() override;

  forms::Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }

  // Brings the widget in step with the control: position (its design position, moved and
  // stretched by its anchors over the `extra` size by which the window exceeds its design
  // size), visibility, enabled state, font and colours, then what the kind shows
  // (SyncContent).
  void Sync(QSize extra);

 protected:
  // Takes w (a child of the form's canvas) as this view's widget and watches its focus.
  void Attach(QWidget* w);
  virtual void SyncContent() = 0;
  // The widget's rectangle for the control's anchored one; the same by default.
  virtual QRect WidgetGeometry(const QRect& anchored) const { return anchored; }
  // The extra size of the last Sync.
  QSize Extra() const { return extra_; }
  EventGate& gate() const { return gate_; }
  forms::Runtime& runtime() const { return gate_.runtime(); }
  // Focus the user gives a widget (Tab, a click) moves the runtime's focus too.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  forms::Control& control_;
  EventGate& gate_;
  QPointer<QWidget> widget_;
  Look look_;
  QRect geometry_;
  QSize extra_;
  bool visible_ = false;
  bool enabled_ = false;
  bool first_ = true;
};

// Where a control stands in a window `extra` pixels wider and taller than its design size: an
// axis anchored on both sides stretches by the extra, one anchored on the far side (right,
// bottom) only moves by it, any other keeps the design place.
QRect AnchoredGeometry(const forms::Control& control, QSize extra);

// The view for a control on canvas, by kind; nothing for menus (the window's menu bar draws
// them) and timers (the binder's clock drives them).
std::unique_ptr<ControlView> MakeControlView(forms::Control& control, QWidget* canvas,
                                             EventGate& gate);

}  // namespace rd::gui
