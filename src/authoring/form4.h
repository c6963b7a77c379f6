// The administrator login: a fixed user name and password open the administrator home.
#pragma once

#include <string>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form4 : public forms::Form {
 public:
  explicit Form4(App& app);

  void Form_Load() override;

  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox Text2{*this, "Text2"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  // Compares both boxes exactly (letter case and blanks count); a refusal empties them and
  // the author may try again at once, as often as needed.
  void Command2_Click();
  void Command1_Click();

  App& app_;
  std::string mExpectedUser;
  std::string mExpectedPassword;
};

}  // namespace rd
