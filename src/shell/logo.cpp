#include "shell/logo.h"

#include <stdexcept>

namespace rd {

void ShowLogo(forms::PictureBox& box, forms::Runtime& ui) {
  try {
    box.Picture = forms::LoadPicture(kLogoPicture);
  } catch (const std::runtime_error& e) {
    box.Picture.clear();
    ui.MsgBox(e.what(), services::vbExclamation);
  }
}

}  // namespace rd
