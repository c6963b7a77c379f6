#include "terminal/form33.h"

#include <filesystem>
#include <stdexcept>

#include "platform/services/services.h"
#include "shell/pictures.h"
#include "terminal/form2.h"

namespace rd {
namespace {

// The folder of the running program (not the working directory).
std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

}  // namespace

Form33::Form33(App& app) : Form(app.ui, "Form33", "Supported Commands"), app_(app) {
  Width = 800;
  Height = 600;
  WebBrowser1.Place(16, 16, 600, 540);
  Picture1.Place(640, 16, 140, 100);
  Line1.SetEnds(640, 128, 780, 128);
  Command1.Caption = "&Close";
  Command1.Place(640, 500, 120, 32);
  Command1.Click = [this] {
    app_.Window<Form2>().GiveBack();
    Unload();
  };
  FinishDesign();
}

// A page that cannot be found leaves the browser empty and says so, as a browser would; the
// window opens all the same.
void Form33::Form_Load() {
  const std::string page = (ProgramFolder() / "help" / "html" / "commands.html").string();
  try {
    WebBrowser1.Navigate(page);
  } catch (const std::runtime_error&) {
    app_.ui.MsgBox("The page " + page + " cannot be found.", services::vbExclamation);
  }
  ShowLogo(Picture1, app_.ui);
}

void Form33::Form_Unload(int&) { app_.Window<Form2>().GiveBack(); }

}  // namespace rd
