// The administrator home: its menu bar chooses an authoring task. Each load clears the mode
// flags; each item sets the flags of its task and opens the task's first window.
#pragma once

#include <initializer_list>

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form6 : public forms::Form {
 public:
  explicit Form6(App& app);

  void Form_Load() override;

  forms::PictureBox Picture1{*this, "Picture1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Menu mnulab{*this, "mnulab", "Labs", nullptr};
  forms::Menu mnulabadd{*this, "mnulabadd", "Add", &mnulab};
  forms::Menu mnulabmod{*this, "mnulabmod", "Modify", &mnulab};
  forms::Menu mnuinst{*this, "mnuinst", "Insruction", &mnulabmod};
  forms::Menu mnuaddins{*this, "mnuaddins", "AddInstuction", &mnuinst};
  forms::Menu mnumdins{*this, "mnumdins", "ModifyInstruction", &mnuinst};
  forms::Menu mnudelins{*this, "mnudelins", "DeleteInstruction", &mnuinst};
  forms::Menu mnucmd{*this, "mnucmd", "Command", &mnulabmod};
  forms::Menu mndaddcmd{*this, "mndaddcmd", "AddCommand", &mnucmd};
  forms::Menu mnumdcmd{*this, "mnumdcmd", "ModifyCommand", &mnucmd};
  forms::Menu mnudelcmd{*this, "mnudelcmd", "DeleteCommand", &mnucmd};
  forms::Menu mnulabdel{*this, "mnulabdel", "Delete", &mnulab};
  // Kept for content the program does not author; disabled, with no behaviour.
  forms::Menu mnuexam{*this, "mnuexam", "Exams", nullptr};
  forms::Menu mnuexadd{*this, "mnuexadd", "Add", &mnuexam};
  forms::Menu mnuexmod{*this, "mnuexmod", "Modify", &mnuexam};
  forms::Menu mnuexdel{*this, "mnuexdel", "Delete", &mnuexam};
  forms::Menu mnusim{*this, "mnusim", "simulator", nullptr};

 private:
  // Sets `flags` true, then opens the task's first window in place of this one.
  template <class Target>
  void StartTask(std::initializer_list<bool Module1::*> flags);

  App& app_;
};

}  // namespace rd
