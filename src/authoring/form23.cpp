#include "authoring/form23.h"

#include <utility>

#include "authoring/form22.h"
#include "authoring/form30.h"
#include "authoring/navigation.h"
#include "shell/pictures.h"

namespace rd {

Form23::Form23(App& app)
    : ChoiceScreen(app, "Form23", "sublab command/instruction modification screen") {
  Label5.Caption = "Select the Sublab of the ";
  Label7.Caption = "command/instructuion";
  Label1.Caption = "Commands";
  Label3.Caption = "command";
  Label4.Caption = "Command Index";
  Command1.Caption = "&Next";
  Command2.Caption = "&Back";
  Picture1.Place(640, 440, 140, 100);
  FinishDesign();
}

void Form23::Form_Load() {
  const Module1& g = app_.g;
  LoadSublabs();
  if (g.gCommandListMode) {
    Label7.Caption = "Command";
    Label1.Caption = "Commands";
    Label3.Caption = "Command";
  } else if (g.gInstructionListMode) {
    Label7.Caption = "Instruction";
    Label1.Caption = "Instructions";
    Label3.Caption = "Instruction";
  }
  for (const auto& [flag, caption] :
       {std::pair{g.gModifyInstructionMode, "Instructions Modifaction"},
        std::pair{g.gDeleteInstructionMode, "Instructions Deletion"},
        std::pair{g.gModifyCommandMode, "Command Modification"},
        std::pair{g.gDeleteCommandMode, "Command Deletion"}}) {
    if (flag) {
      Caption = caption;
      break;
    }
  }
  ShowLogo(Picture1, app_.ui);
}

ChoiceScreen::Listing Form23::ListingOfTask() const {
  const Module1& g = app_.g;
  if (g.gCommandListMode) return Listing::Commands;
  if (g.gInstructionListMode) return Listing::Instructions;
  return Listing::None;
}

void Form23::Picked(int16_t index) {
  Module1& g = app_.g;
  if (g.gInstructionListMode) {
    g.gSelectedInstructionIndex = index;
    MoveTo(*this, app_.Window<Form30>());
  } else if (g.gCommandListMode) {
    g.gSelectedCommandIndex = index;
    MoveTo(*this, app_.Window<Form22>());
  }
}

}  // namespace rd
