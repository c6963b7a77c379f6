// The program's logo, which most windows show in a picture box.
#pragma once

#include "platform/forms/forms.h"

namespace rd {

inline constexpr const char* kLogoPicture = "simulator-logo.gif";

// Shows the logo (a file of the working folder) in `box`. A logo that cannot be shown is named
// in a message box and the box stays empty: the window opens all the same.
void ShowLogo(forms::PictureBox& box, forms::Runtime& ui);

}  // namespace rd
