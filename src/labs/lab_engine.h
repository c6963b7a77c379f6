// The lab engine: decides whether a line typed in the lab console is an expected command of the
// current step, typed on the device that the console drives and at the prompt it shows; records
// progress for the exercise and for the step; and moves through the steps, skipping those that
// expect no command. It works on the lab run state of Module1 and reports step changes to the
// lab window, which shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/db/db.h"
#include "shell/app.h"

namespace rd {

// What moving through the steps showed the student.
struct StepChange {
  // Steps skipped because they expect no command, one message each.
  int skipped = 0;
  // The step that became current, as the lab window shows it; nothing when none did.
  std::optional<std::string> shownStep;
  // Why an accepted show command has no output (an unreadable template, a missing row): the
  // command still counts.
  std::optional<std::string> failure;
  // Adds a later change: its skips follow these, its step replaces this one.
  void Add(const StepChange& later);
};

// The key of the current step (element gCurInstruction - 1 of gInstrIndex); nothing when there
// is no such step.
LabKey CurrentStepKey(const Module1& g);

// The current step as the lab window shows it: "    > " and the step text.
std::string StepShown(const std::string& instruction);

// Tests gLabCommandLine against every expected command of exercise `sublabIndex`: a row matches
// when its command equals the line apart from letter case (untrimmed), its prompt suffix
// ("Null" = none) equals gLabPrompt, it belongs to the current step and its step's device
// equals gCurDevice; a NULL or unreadable value matches nothing. Each match in turn (the later
// rows see the state the earlier ones left) sets gLabCmdMatched, gLabNoResponse and
// gLabResponse, gLabPrompt to its next prompt, gLabHostName for "hostname NAME", counts the
// command for the exercise and the step, advances a completed step and sets gLabDone when no
// command is missing. The lab console's state is its own: the simulator's prompt, device and
// line (gHostName, gPrompt, gDeviceColumn, gCommandLine, gResponse) are neither read nor written.
StepChange CheckLabCommand(App& app, db::Connection& conn, const LabKey& sublabIndex);

// Records command `index` as entered in this run, once; returns gCmdsRemaining.
int16_t MarkCommandPractised(Module1& g, int16_t index);

// Records command `index` for the current step in the first free slot of gInstrCmdsDone and
// returns that slot; a command already recorded returns its slot minus one, and a step without
// slots (or without a free one) 0. The step is complete when the returned slot is the last.
int MarkInstructionCommand(Module1& g, int16_t index);

// Counts the step being left as done and makes the next step that expects commands current
// (gCurInstruction, gInstrDevice, gDevicePrompt, gDevicePromptSaved := false, gInstrCmdsDone
// sized for its commands); each step without commands on the way is skipped and counted as
// done too. Leaving the last step only counts it.
StepChange NextInstruction(Module1& g, db::Connection& conn);

}  // namespace rd
