// What the two choice screens share: the author chooses a sublab, sees its steps or expected
// commands in the grid, and types the index of one listed row to work on it. Only a listed
// index is taken, exactly as listed (no blanks, no leading zeros); the screens write nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class ChoiceScreen : public forms::Form {
 public:
  ChoiceScreen(App& app, const std::string& name, const std::string& caption);

  forms::ComboBox Combo1{*this, "Combo1"};
  forms::Grid MSFlexGrid1{*this, "MSFlexGrid1", 25, 2};  // a heading and 24 data rows
  forms::TextBox Text1{*this, "Text1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label8{*this, "Label8"};
  forms::Label Label6{*this, "Label6"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};

 protected:
  enum class Listing { None, Instructions, Commands };

  // The start of every load: no sublab chosen, nothing listed, every sublab offered.
  void LoadSublabs();
  // What the chosen sublab lists in this task.
  virtual Listing ListingOfTask() const = 0;
  // Goes on with the row whose index the author typed.
  virtual void Picked(int16_t index) = 0;

  App& app_;

 private:
  void Combo1_Click();
  void Command1_Click();
  // The index of the first listed row whose index cell is exactly `typed`.
  std::optional<int16_t> ListedIndex(const std::string& typed) const;

  // The next free grid row; data rows are 1 to mRowCount - 1. With the heading row it counts one
  // more than the 32,767 rows a listing may hold.
  int mRowCount = 0;
};

}  // namespace rd
