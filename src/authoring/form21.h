// Sublab entry: a new exercise under a chosen lab, with its description, network-diagram path
// and flash card; then the instruction entry takes over for its steps.
#pragma once

#include <string>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form21 : public forms::Form {
 public:
  explicit Form21(App& app);

  void Form_Load() override;

  forms::Label Label1{*this, "Label1"};
  forms::ComboBox Combo1{*this, "Combo1"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox Text2{*this, "Text2"};
  forms::Label Label6{*this, "Label6"};
  forms::Label Label4{*this, "Label4"};
  forms::TextBox Text3{*this, "Text3"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label11{*this, "Label11"};
  forms::Label Label10{*this, "Label10"};
  forms::Label Label8{*this, "Label8"};
  forms::TextBox Text4{*this, "Text4"};
  forms::Label Label9{*this, "Label9"};
  forms::TextBox Text5{*this, "Text5", true};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  // Picks the picture of the network diagram; a cancelled dialog keeps the typed path.
  void Command3_Click();
  // Stores the sublab unless its name is missing or taken (letter case counts), then opens the
  // instruction entry for its first step.
  void Command1_Click();

  App& app_;
  std::string mLabName;  // the lab chosen in Combo1 on this visit; empty until one is
};

}  // namespace rd
