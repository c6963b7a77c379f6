#include "authoring/form31.h"

#include "authoring/form20.h"
#include "authoring/navigation.h"

namespace rd {

Form31::Form31(App& app) : ChoiceScreen(app, "Form31", "Add Command  Index Screen") {
  Label5.Caption = "Select the Sublab of the";
  Label4.Caption = "Index";
  Label9.Place(24, 504, 120, 20);
  Command1.Caption = "Next";
  Command2.Caption = "Back";
  MSFlexGrid1.FixedCols = 1;
  FinishDesign();
}

void Form31::Form_Load() {
  LoadSublabs();
  if (app_.g.gAddCommandMode) {
    Label7.Caption = "Command";
    Label1.Caption = "Instructions";
    Label3.Caption = "Instruction";
    Label9.Caption = "Instruction";
  }
}

void Form31::Picked(int16_t index) {
  app_.g.gSelectedInstructionIndex = index;
  MoveTo(*this, app_.Window<Form20>());
}

}  // namespace rd
