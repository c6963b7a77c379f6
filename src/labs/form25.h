// The lab window. For now it only shows the chosen exercise's name; the guided lab itself is a
// later piece of work.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form25 : public forms::Form {
 public:
  explicit Form25(App& app);
  void Form_Load() override;

 private:
  App& app_;
};

}  // namespace rd
