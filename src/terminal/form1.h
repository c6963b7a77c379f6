// The network diagram with the device chooser. Opening it makes the first device current;
// choosing a host name makes that device current and starts a new console session on it.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form1 : public forms::Form {
 public:
  explicit Form1(App& app);

  void Form_Load() override;
  // The terminal comes back however the diagram closes, showing the prompt now in force.
  void Form_Unload(int& cancel) override;

  forms::PictureBox Picture2{*this, "Picture2"};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::Label Label1{*this, "Label1"};
  forms::ComboBox Combo1{*this, "Combo1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Line Line1{*this, "Line1"};

 private:
  void Combo1_DropDown();
  void Combo1_Click();
  void Command1_Click();

  App& app_;
};

}  // namespace rd
