// One step, picked in the choice screen, with its expected commands: its text to change
// ("ModifyInstruction", then optionally more commands) or the step to delete with its commands
// ("DeleteInstruction").
#pragma once

#include <cstdint>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form30 : public forms::Form {
 public:
  explicit Form30(App& app);

  // Shows the step picked in the choice screen; the window's buttons act on that step.
  void Form_Load() override;

  forms::Label Label1{*this, "Label1"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox Text1{*this, "Text1", true};
  forms::Label Label2{*this, "Label2"};
  forms::Grid MSFlexGrid1{*this, "MSFlexGrid1", 20, 5};  // a heading and 19 data rows
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  // Stores the text as it stands, then asks whether to add commands to the step.
  void Command1_Click();
  // Asks, then deletes the step and its commands, all or nothing.
  void Command3_Click();

  App& app_;
  int16_t mInstructionIndex = 0;  // the step shown, fixed when the window opens
};

}  // namespace rd
