#include "gui/event_gate.h"

#include <exception>
#include <string>

namespace rd::gui {

bool EventGate::Run(const std::function<void(forms::Runtime&)>& event) {
  if (busy_) return false;
  struct Entered {
    bool& busy;
    explicit Entered(bool& b) : busy(b) { busy = true; }
    ~Entered() { busy = false; }
  } entered(busy_);
  try {
    event(rt_);
  } catch (const std::exception& e) {
    rt_.MsgBox(e.what(), services::vbCritical);
  }
  return true;
}

}  // namespace rd::gui
