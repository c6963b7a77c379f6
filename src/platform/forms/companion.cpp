// Companion windows: the owner steps aside while its companion is open.
#include "platform/forms/forms.h"

namespace rd::forms {

void GiveBack(Form& owner, Control& home) {
  owner.SetVisible(true);
  home.SetFocus();
}

void OpenCompanion(Form& owner, Control& home, Form& companion) {
  owner.SetVisible(false);
  try {
    companion.Load();
    companion.Show();
  } catch (...) {
    companion.Unload();
    GiveBack(owner, home);
    throw;
  }
}

}  // namespace rd::forms
