// The flash card window: the exercise's help text under its heading, and printing it.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form32 : public forms::Form {
 public:
  explicit Form32(App& app);

  void Form_Load() override;
  // The lab window comes back however the flash card closes.
  void Form_Unload(int& cancel) override;

  forms::Label Label1{*this, "Label1"};
  // What the student reads; read-only.
  forms::RichTextBox rtfData{*this, "rtfData"};
  // The card as it prints, heading and text; never shown.
  forms::RichTextBox RichTextBox1{*this, "RichTextBox1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command1{*this, "Command1"};

 private:
  void Command2_Click();

  App& app_;
};

}  // namespace rd
