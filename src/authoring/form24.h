// Sublab deletion: shows the expected commands of a chosen sublab and deletes the sublab with
// its steps and their commands, all or nothing.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form24 : public forms::Form {
 public:
  explicit Form24(App& app);

  void Form_Load() override;

  forms::Label Label2{*this, "Label2"};
  forms::ComboBox Combo1{*this, "Combo1"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label Label1{*this, "Label1"};
  forms::Grid MSFlexGrid1{*this, "MSFlexGrid1", 25, 5};  // a heading and 24 data rows
  forms::Label Label6{*this, "Label6"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::PictureBox Picture1{*this, "Picture1"};

 private:
  void Combo1_Click();
  // Asks, deletes the chosen sublab, if any, then starts over with a fresh list of sublabs and
  // no choice, whatever the answer.
  void Command3_Click();
  void FillSublabs(db::Connection& conn);

  App& app_;
  std::optional<int16_t> mSublabIndex;  // the sublab shown, chosen in Combo1; none when empty
};

}  // namespace rd
