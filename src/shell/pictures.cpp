#include "shell/pictures.h"

#include <stdexcept>

namespace rd {

void ShowPicture(forms::Runtime& ui, forms::PictureBox& box, const std::string& path) {
  try {
    box.Picture = forms::LoadPicture(path);
  } catch (const std::runtime_error& e) {
    box.Picture.clear();
    ui.MsgBox(e.what(), services::vbExclamation);
  }
}

void ShowLogo(forms::PictureBox& box, forms::Runtime& ui) { ShowPicture(ui, box, kLogoPicture); }

}  // namespace rd
