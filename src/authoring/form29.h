// Instruction entry: one step at a time, for the sublab just added (the add-sublab flow) or for
// a sublab the author chooses ("AddInstuction"); then the command entry takes the step's
// expected commands.
#pragma once

#include <cstdint>
#include <string>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form29 : public forms::Form {
 public:
  explicit Form29(App& app);

  // In the add-sublab flow the window names the new sublab and offers no choice; in the
  // "AddInstuction" task it offers the sublabs, showing the one chosen before, if any, since
  // further steps go to that one.
  void Form_Load() override;

  forms::Label Label3{*this, "Label3"};
  forms::ComboBox Combo1{*this, "Combo1"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label10{*this, "Label10"};
  forms::Label Label5{*this, "Label5"};
  forms::TextBox Text1{*this, "Text1", true};
  forms::ComboBox Combo2{*this, "Combo2"};
  forms::Label Label8{*this, "Label8"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  void Combo1_Click();
  // Stores the step (any text but the single blank of the load or nothing, on a device other
  // than the prompt "Devices") and opens the command entry for it.
  void Command1_Click();

  App& app_;
  int16_t mSublabIndex = 0;  // the sublab last chosen in Combo1; 0 until one is
  std::string mSublabName;   // its name, shown again when the window reopens
};

}  // namespace rd
