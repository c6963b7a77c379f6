// The administrator login window. For now an empty window; the administrator area is a later
// piece of work.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form4 : public forms::Form {
 public:
  explicit Form4(App& app);
};

}  // namespace rd
