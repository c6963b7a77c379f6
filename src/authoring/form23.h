// The choice screen of the four modify and delete tasks: the steps or the expected commands of
// a chosen sublab; the picked one opens in the instruction or the command window.
#pragma once

#include "authoring/choice_screen.h"

namespace rd {

class Form23 : public ChoiceScreen {
 public:
  explicit Form23(App& app);

  // Labels and caption name the task.
  void Form_Load() override;

  forms::PictureBox Picture1{*this, "Picture1"};

 protected:
  Listing ListingOfTask() const override;
  void Picked(int16_t index) override;
};

}  // namespace rd
