// Binds the forms runtime to Qt: one window per shown form, made when the form becomes visible
// (and opened inside the screen, over the window the user was in), brought to the front whenever
// it is shown (again), hidden when it is hidden and destroyed when it is unloaded; after every
// runtime event every shown window is brought in step, the Qt focus follows the runtime's, and
// one clock drives the runtime's timers. The design's font names resolve to their installed
// substitutes. When the last form is unloaded the program ends.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "gui/event_gate.h"
#include "gui/form_window.h"
#include "platform/forms/forms.h"

namespace rd::gui {

class Binder : public QObject, public forms::Observer {
 public:
  explicit Binder(forms::Runtime& rt);
  ~Binder() override;
  Binder(const Binder&) = delete;
  Binder& operator=(const Binder&) = delete;

  // Brings every window in step with the runtime (also called before a modal dialog, so the
  // user sees what the handler has done so far).
  void Sync();
  void AfterEvent() override;

  // The window of a shown form; nullptr when the form has none.
  FormWindow* WindowOf(const std::string& formName) const;
  // The view drawing a control; nullptr when its form has no window or the kind no widget.
  ControlView* ViewOf(const forms::Control& control) const;
  EventGate& gate() { return gate_; }

  // Called once when the last form has been unloaded; quits the application by default.
  std::function<void()> onAllUnloaded;

  static constexpr int kClockMs = 50;  // period of the clock while a timer runs

 private:
  QWidget* Opener() const;
  void SyncWindows();
  void SyncFocus();
  void SyncClock();
  void OnClock();

  forms::Runtime& rt_;
  EventGate gate_;
  std::map<const forms::Form*, FormWindow*> windows_;  // owned
  std::map<const forms::Form*, uint64_t> shows_;       // each form's ShowCount at the last sync
  forms::Control* shownFocus_ = nullptr;
  bool anyLoaded_ = false;
  QTimer clock_;
  QElapsedTimer sinceTick_;
};

}  // namespace rd::gui
