// The choice screen of "AddCommand": the steps of a chosen sublab; the picked step opens in the
// command entry, which adds commands to it.
#pragma once

#include "authoring/choice_screen.h"

namespace rd {

class Form31 : public ChoiceScreen {
 public:
  explicit Form31(App& app);

  void Form_Load() override;

  forms::Label Label9{*this, "Label9"};

 protected:
  Listing ListingOfTask() const override { return Listing::Instructions; }
  void Picked(int16_t index) override;
};

}  // namespace rd
