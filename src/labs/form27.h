// The lab's network diagram with the device chooser: choosing a device makes the lab console
// drive it, and "Select &&  Exit" restores the step's prompt suffix and redraws the console's
// prompt line for it.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form27 : public forms::Form {
 public:
  explicit Form27(App& app);

  // Shows the exercise's diagram and the logo.
  void Form_Load() override;
  // The lab window comes back however the diagram closes.
  void Form_Unload(int& cancel) override;

  forms::PictureBox Image1{*this, "Image1"};
  forms::Label Label1{*this, "Label1"};
  forms::ComboBox Combo1{*this, "Combo1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::Line Line1{*this, "Line1"};

 private:
  void Combo1_DropDown();
  void Combo1_Click();
  void Command1_Click();

  App& app_;
};

}  // namespace rd
