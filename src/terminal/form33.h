// The supported-commands page: an HTML page below the program's own folder.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form33 : public forms::Form {
 public:
  explicit Form33(App& app);

  void Form_Load() override;
  // The terminal comes back however the page closes.
  void Form_Unload(int& cancel) override;

  forms::WebBrowser WebBrowser1{*this, "WebBrowser1"};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Line Line1{*this, "Line1"};

 private:
  App& app_;
};

}  // namespace rd
