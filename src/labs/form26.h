// The answers window: the commands that the current step expects, or those of every step of
// the exercise, each after the prompt the console shows for it. Opening it costs the student a
// point of the score (the lab window counts the openings).
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form26 : public forms::Form {
 public:
  explicit Form26(App& app);

  // Shows the current step's commands.
  void Form_Load() override;
  // The lab window comes back however the answers close.
  void Form_Unload(int& cancel) override;

  forms::PictureBox Picture1{*this, "Picture1"};
  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1", true};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Line Line1{*this, "Line1"};

 private:
  void InstructionAnswer();
  void FullAnswer();

  App& app_;
};

}  // namespace rd
