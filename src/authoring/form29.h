// Instruction entry: one step at a time, for the sublab just added (the add-sublab flow) or for
// a sublab the author chooses ("AddInstuction"); then the command entry takes the step's
// expected commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form29 : public forms::Form {
 public:
  explicit Form29(App& app);

  // In the add-sublab flow the window names the new sublab and offers no choice; in the
  // "AddInstuction" task it offers the sublabs, none of them chosen.
  void Form_Load() override;
  // Opens again in place of the command entry, for the next step of the same task: the sublab
  // chosen before stays chosen and shown, unless it is no longer listed.
  void NextStep(forms::Form& commandEntry);

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
  // than the prompt "Devices", under a sublab that exists) and opens the command entry for it.
  void Command1_Click();

  App& app_;
  std::optional<int16_t> mSublabIndex;  // the sublab chosen in Combo1 in this task, if any
  std::string mSublabName;              // its name, shown again for the task's next step
};

}  // namespace rd
