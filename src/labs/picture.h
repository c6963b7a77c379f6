// Pictures of the lab windows: the logo and the exercise's network diagram.
#pragma once

#include <string>

#include "platform/forms/forms.h"

namespace rd {

// Shows the picture file `path` (relative to the working folder; backslashes separate folders
// too) in `box`. A picture that cannot be shown is reported in a message box and leaves the box
// empty: the window goes on without it.
void ShowPicture(forms::Runtime& ui, forms::PictureBox& box, const std::string& path);

}  // namespace rd
