#include "interpreter/console_box.h"

namespace rd::interp {

forms::TextBox& ConsoleBox(App& app) {
  return dynamic_cast<forms::TextBox&>(*app.ui.GetForm("Form2").FindControl("Text1"));
}

void SelectAll(forms::TextBox& box) {
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(box.Text().size()));
}

}  // namespace rd::interp
