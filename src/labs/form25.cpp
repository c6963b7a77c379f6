#include "labs/form25.h"

namespace rd {

Form25::Form25(App& app) : Form(app.ui, "Form25", ""), app_(app) { FinishDesign(); }

void Form25::Form_Load() { Caption = app_.g.gSublabName; }

}  // namespace rd
