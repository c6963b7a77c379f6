#include "authoring/navigation.h"

namespace rd {

void MoveTo(forms::Form& current, forms::Form& next) {
  next.Load();
  next.Show();
  current.Unload();
}

}  // namespace rd
