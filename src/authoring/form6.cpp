#include "authoring/form6.h"

#include "authoring/form21.h"
#include "authoring/form23.h"
#include "authoring/form24.h"
#include "authoring/form29.h"
#include "authoring/form31.h"
#include "authoring/navigation.h"
#include "shell/form17.h"
#include "shell/pictures.h"

namespace rd {

Form6::Form6(App& app) : Form(app.ui, "Form6", "Form6"), app_(app) {
  Width = 560;
  Height = 360;
  Picture1.Place(24, 24, 140, 100);
  Command1.Caption = "&Back";
  Command1.Place(420, 260, 96, 32);
  mnuexam.Enabled = false;
  mnusim.Enabled = false;
  mnulabadd.Click = [this] { StartTask<Form21>({&Module1::gAddSublabFlow}); };
  mnuaddins.Click = [this] { StartTask<Form29>({&Module1::gAddInstructionMode}); };
  mnumdins.Click = [this] {
    StartTask<Form23>({&Module1::gInstructionListMode, &Module1::gModifyInstructionMode});
  };
  mnudelins.Click = [this] {
    StartTask<Form23>({&Module1::gInstructionListMode, &Module1::gDeleteInstructionMode});
  };
  mndaddcmd.Click = [this] { StartTask<Form31>({&Module1::gAddCommandMode}); };
  mnumdcmd.Click = [this] {
    StartTask<Form23>({&Module1::gCommandListMode, &Module1::gModifyCommandMode});
  };
  mnudelcmd.Click = [this] {
    StartTask<Form23>({&Module1::gCommandListMode, &Module1::gDeleteCommandMode});
  };
  mnulabdel.Click = [this] { StartTask<Form24>({}); };
  Command1.Click = [this] { MoveTo(*this, app_.Window<Form17>()); };
  FinishDesign();
}

void Form6::Form_Load() {
  Module1& g = app_.g;
  for (bool* flag : {&g.gModifyCommandMode, &g.gAddSublabFlow, &g.gDeleteCommandMode,
                     &g.gAddCommandMode, &g.gDeleteInstructionMode, &g.gAddInstructionMode,
                     &g.gCommandListMode, &g.gModifyInstructionMode, &g.gInstructionListMode}) {
    *flag = false;
  }
  ShowLogo(Picture1, app_.ui);
}

template <class Target>
void Form6::StartTask(std::initializer_list<bool Module1::*> flags) {
  for (bool Module1::*flag : flags) app_.g.*flag = true;
  MoveTo(*this, app_.Window<Target>());
}

}  // namespace rd
