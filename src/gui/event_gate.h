// The one door through which Qt events enter the runtime. A handler that shows a modal dialog
// keeps running inside the dialog's event loop; Qt events that arrive meanwhile (a timer tick,
// a late click) must not start a second event inside the first, so they are turned away.
#pragma once

#include <functional>

#include "platform/forms/forms.h"

namespace rd::gui {

class EventGate {
 public:
  explicit EventGate(forms::Runtime& rt) : rt_(rt) {}
  forms::Runtime& runtime() const { return rt_; }
  bool Busy() const { return busy_; }
  // Runs event against the runtime unless another is still running; false when turned away.
  // An exception that escapes the runtime is shown in a message box rather than thrown into Qt.
  bool Run(const std::function<void(forms::Runtime&)>& event);

 private:
  forms::Runtime& rt_;
  bool busy_ = false;
};

}  // namespace rd::gui
