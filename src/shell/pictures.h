// Pictures the windows show: the program's logo and the exercises' network diagrams.
#pragma once

#include <string>

#include "platform/forms/forms.h"

namespace rd {

inline constexpr const char* kLogoPicture = "simulator-logo.gif";

// Shows the picture file `path` (relative to the working folder) in `box`. A picture that cannot
// be shown is named in a message box and the box stays empty: the window opens all the same.
void ShowPicture(forms::Runtime& ui, forms::PictureBox& box, const std::string& path);

// Shows the logo in `box`, as ShowPicture does.
void ShowLogo(forms::PictureBox& box, forms::Runtime& ui);

}  // namespace rd
