// One expected command, picked in the choice screen, to change ("ModifyCommand") or delete
// ("DeleteCommand").
#pragma once

#include <cstdint>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form22 : public forms::Form {
 public:
  explicit Form22(App& app);

  // Shows the picked row's texts as stored, and only the button of the task; both buttons act
  // on that row.
  void Form_Load() override;

  forms::Label Label6{*this, "Label6"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox Text2{*this, "Text2", true};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox Text3{*this, "Text3"};
  forms::Label Label4{*this, "Label4"};
  forms::TextBox Text4{*this, "Text4"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  // Both ask first; a row deleted meanwhile is neither changed nor deleted, and nothing is said.
  void Command1_Click();
  void Command3_Click();

  App& app_;
  int16_t mCommandIndex = 0;  // the row shown, fixed when the window opens
};

}  // namespace rd
