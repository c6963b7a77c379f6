// Command entry: adds expected commands to one step, one row per "&Add", and stays open for the
// next. The task decides the step: the one just added by the instruction entry, or the one the
// author picked.
#pragma once

#include <cstdint>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form20 : public forms::Form {
 public:
  explicit Form20(App& app);

  // Takes the step of the task: the one the instruction entry just added, or the one picked.
  void Form_Load() override;

  forms::Label Label6{*this, "Label6"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text2{*this, "Text2", true};
  forms::Label Label4{*this, "Label4"};
  forms::TextBox Text3{*this, "Text3"};
  forms::Label Label5{*this, "Label5"};
  forms::TextBox Text4{*this, "Text4"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  // Only the command is required: an empty response is stored as "nill", empty prompts as
  // they are (a step on a switch without prompt). A step that no longer exists takes nothing.
  void Command1_Click();
  // Back to the window of the task: the instruction shown before, the step choice of
  // "AddCommand", or the instruction entry, which goes on with the same sublab.
  void Command2_Click();
  void EmptyBoxes();

  App& app_;
  int16_t mInstructionIndex = 0;  // the step the commands go to, fixed when the window opens
};

}  // namespace rd
