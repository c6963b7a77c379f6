// How one authoring window hands over to the next.
#pragma once

#include "platform/forms/forms.h"

namespace rd {

// Loads `next` (its load runs only when it is not loaded), shows it, then unloads `current`.
void MoveTo(forms::Form& current, forms::Form& next);

}  // namespace rd
