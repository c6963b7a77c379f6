// The lab window: one guided exercise. Its load finds the exercise by the name chosen in the
// main window, lists its steps, shows the first one and starts a lab run (form25_load.cpp); the
// lab console Text1 takes the student's commands (lab_console.cpp), the countdown gives the run
// one hour (countdown.cpp), and five buttons lead to the network diagram, the answers, the flash
// card, the score and the router simulator.
#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"
#include "labs/lab_engine.h"
#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form25 : public forms::Form {
 public:
  explicit Form25(App& app);

  // Starts a lab run of the exercise named gSublabName and the countdown.
  void Form_Load() override;
  // The run ends with the window: the companions that show it (answers, diagram, flash card)
  // close too. The router simulator, whose console is its own, stays.
  void Form_Unload(int& cancel) override;

  // Number of expected commands of exercise `sublabindex`, and gSublabCmdsDone sized for them;
  // with none, says "no cmds to practise" and leaves gSublabCmdsDone as it was. More than 32,767
  // can't be counted: the load fails with a message that says so.
  int16_t cmndscount(db::Connection& conn, const LabKey& sublabindex);

  // Shows what a step change showed the student: "No Commands under the next Instruction" once
  // per skipped step, and the step that became current in Text3.
  void ShowStepChange(const StepChange& change);

  // The lab diagram gave the console another device: every line of the transcript but the last
  // stays, the new prompt follows on a line of its own, and the caret goes to its end.
  void RedrawPromptLine();

  // Gives the window back when a companion window (answers, diagram, flash card) closes:
  // visible again, caret in the console.
  void GiveBack() { forms::GiveBack(*this, Text1); }

  forms::Label Label1{*this, "Label1"};
  forms::TextBox Text1{*this, "Text1", true};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox Text2{*this, "Text2", true};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox Text3{*this, "Text3", true};
  forms::Label Label4{*this, "Label4"};
  forms::Label Label6{*this, "Label6"};
  forms::Timer Timer1{*this, "Timer1"};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command5{*this, "Command5"};
  // The console's context menu, in place of the box's own; its items do nothing.
  forms::Menu mnutext1pop{*this, "mnutext1pop", "text1pop", nullptr};
  forms::Menu mnuundo{*this, "mnuundo", "&Undo", &mnutext1pop};
  forms::Menu mnusep1{*this, "mnusep1", "-", &mnutext1pop};
  forms::Menu mnucut{*this, "mnucut", "Cu&t", &mnutext1pop};
  forms::Menu mnucopy{*this, "mnucopy", "&Copy", &mnutext1pop};
  forms::Menu mnupaste{*this, "mnupaste", "&Paste", &mnutext1pop};
  forms::Menu mnudelete{*this, "mnudelete", "&delete", &mnutext1pop};
  forms::Menu mnusep2{*this, "mnusep2", "-", &mnutext1pop};
  forms::Menu mnuselectall{*this, "mnuselectall", "Select &All", &mnutext1pop};

  // Pops `argoMenu` up over the window while `argoControl` is disabled, so that the control's
  // own context menu does not show.
  void PopContextMenu(forms::Control& argoControl, forms::Menu& argoMenu);

 private:
  void Design();

  // Load sequence (form25_load.cpp).
  void StartCountdown();
  // Finds the exercise: its index, and the buttons its content leaves without use.
  void FindExercise(db::Connection& conn);
  void OpenWithoutCommands();
  // The numbered step list, which it returns; the first step, the devices of the steps and
  // room for their keys.
  std::string ListSteps(db::Connection& conn);
  void IndexSteps(db::Connection& conn);
  void PrepareFirstStep(db::Connection& conn);

  // Buttons (form25.cpp).
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  // Countdown (countdown.cpp).
  void Timer1_Timer();

  // The lab console (lab_console.cpp): Enter sends the line after the prompt to the engine and
  // prints what it accepted; Ctrl+Z leaves a configuration mode; the prompt cannot be erased;
  // the arrow keys and the mouse keep the caret at the end of the prompt line.
  void Text1_KeyPress(int32_t& keyAscii);
  void Text1_KeyDown(int16_t& keyCode, int16_t shift);
  void Text1_Click();
  void Text1_DblClick();
  void Text1_MouseDown(int button, int shift, int x, int y);
  void BeginSession();
  void EnterLine();
  void PrintClosingBlock();
  void OnCtrlZ();
  void OnUpKey();
  std::string Prompt() const;

  App& app_;
  Module1& g_;
  console::Console console_{Text1, app_.ui};

  // The exercise being practised; nothing when its name matched no readable row.
  LabKey mSublabIndex;
  // Time left of the run.
  int16_t mHours = 0;
  int16_t mMinutes = 0;
  int16_t mSeconds = 0;
};

}  // namespace rd
