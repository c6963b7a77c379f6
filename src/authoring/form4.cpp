#include "authoring/form4.h"

namespace rd {

Form4::Form4(App& app) : Form(app.ui, "Form4", "Admin Login:") { FinishDesign(); }

}  // namespace rd
