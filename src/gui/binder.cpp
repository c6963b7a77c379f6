#include "gui/binder.h"

#include <QApplication>
#include <utility>

#include "gui/appearance.h"

namespace rd::gui {

Binder::Binder(forms::Runtime& rt) : rt_(rt), gate_(rt) {
  InstallFontSubstitutes();
  onAllUnloaded = [] { QCoreApplication::exit(0); };
  rt_.AddObserver(this);
  QObject::connect(&clock_, &QTimer::timeout, this, [this] { OnClock(); });
}

Binder::~Binder() {
  rt_.RemoveObserver(this);
  for (const auto& [form, window] : windows_) delete window;
}

void Binder::AfterEvent() {
  Sync();
  const bool anyLoaded = rt_.AnyLoaded();
  if (anyLoaded_ && !anyLoaded && onAllUnloaded) onAllUnloaded();
  anyLoaded_ = anyLoaded;
}

void Binder::Sync() {
  SyncWindows();
  SyncFocus();
  SyncClock();
}

FormWindow* Binder::WindowOf(const std::string& formName) const {
  for (const auto& [form, window] : windows_) {
    if (form->Name() == formName) return window;
  }
  return nullptr;
}

ControlView* Binder::ViewOf(const forms::Control& control) const {
  const auto it = windows_.find(&control.Parent());
  return it == windows_.end() ? nullptr : it->second->ViewOf(&control);
}

// A window that opens is placed over the window the user was in: the one holding the focus as
// last shown, or else Qt's active window.
QWidget* Binder::Opener() const {
  if (shownFocus_ != nullptr) {
    const auto it = windows_.find(&shownFocus_->Parent());
    if (it != windows_.end() && it->second->isVisible()) return it->second;
  }
  QWidget* active = QApplication::activeWindow();
  for (const auto& [form, window] : windows_) {
    if (window == active && window->isVisible()) return window;
  }
  return nullptr;
}

void Binder::SyncWindows() {
  QWidget* opener = Opener();  // before any window of this event is hidden
  for (forms::Form* form : rt_.Forms()) {
    auto it = windows_.find(form);
    if (!form->IsLoaded()) {
      if (it == windows_.end()) continue;
      // The window may hold the widget whose event is being handled: delete it later.
      it->second->hide();
      it->second->deleteLater();
      windows_.erase(it);
      shows_.erase(form);
      continue;
    }
    bool opening = false;
    if (it == windows_.end()) {
      if (!form->Visible()) continue;
      it = windows_.emplace(form, new FormWindow(*form, gate_)).first;
      opening = true;
    }
    FormWindow* window = it->second;
    window->Sync();
    if (opening) window->PlaceForOpening(opener);
    const bool shownAgain = std::exchange(shows_[form], form->ShowCount()) != form->ShowCount();
    if (form->Visible() && (!window->isVisible() || shownAgain)) {
      window->show();
      window->raise();
      window->activateWindow();
    } else if (!form->Visible() && window->isVisible()) {
      window->hide();
    }
  }
}

void Binder::SyncFocus() {
  forms::Control* focused = rt_.Focused();
  if (focused == shownFocus_) return;
  shownFocus_ = focused;
  if (!focused) return;
  const auto it = windows_.find(&focused->Parent());
  if (it == windows_.end()) return;
  if (!it->second->isActiveWindow()) it->second->activateWindow();
  ControlView* view = it->second->ViewOf(focused);
  if (view && view->widget()) view->widget()->setFocus(Qt::OtherFocusReason);
}

// The clock runs while a loaded form has a running timer and tells the runtime how much time
// really passed; while a handler waits in a modal dialog the time is kept for the next tick.
void Binder::SyncClock() {
  bool running = false;
  for (forms::Form* form : rt_.Forms()) {
    if (!form->IsLoaded()) continue;
    for (forms::Control* c : form->Controls()) {
      if (c->Kind() != forms::ControlKind::Timer) continue;
      const auto* timer = static_cast<forms::Timer*>(c);
      running = running || (timer->Enabled && timer->Interval > 0);
    }
  }
  if (running && !clock_.isActive()) {
    sinceTick_.start();
    clock_.start(kClockMs);
  } else if (!running && clock_.isActive()) {
    clock_.stop();
  }
}

void Binder::OnClock() {
  if (gate_.Busy()) return;
  const auto elapsed = static_cast<int>(sinceTick_.restart());
  gate_.Run([elapsed](forms::Runtime& rt) { rt.Tick(elapsed); });
  SyncClock();  // a tick that fired no timer notifies nobody
}

}  // namespace rd::gui
