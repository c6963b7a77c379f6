// The joins of the lab content tables that the lab window and the lab engine send, as written;
// their fields are read by position.
#pragma once

namespace rd {

// Lab load: the steps of every sublab with flash card and device; their keys; the commands of
// every step; the expected commands of every sublab.
inline constexpr const char* kStepListQuery =
    " SELECT sublab.index, sublab.sublabnane, instructions.instruction,instructions.flashcard,"
    "instructions.device FROM sublab INNER JOIN instructions ON sublab.index = instructions.ref";
inline constexpr const char* kStepIndexQuery =
    " SELECT sublab.index, sublab.sublabnane, instructions.instruction,instructions.index FROM "
    "sublab INNER JOIN instructions ON sublab.index = instructions.ref";
inline constexpr const char* kFirstStepCommandsQuery =
    " SELECT instructions.index,comrestble.index, comrestble.ref1 FROM instructions INNER JOIN "
    "comrestble ON instructions.index = comrestble.ref1";
inline constexpr const char* kCommandCountQuery =
    "SELECT sublab.index, sublab.sublabnane, comrestble.command, comrestble.response, "
    "comrestble.comprompt, comrestble.resprompt, comrestble.index FROM (sublab INNER JOIN "
    "instructions ON sublab.index = instructions.ref) INNER JOIN comrestble ON "
    "instructions.index = comrestble.ref1";

// Lab engine: every expected command with its sublab, step and device; the commands of every
// step with the step's text and device.
inline constexpr const char* kEngineQuery =
    " SELECT sublab.index, sublab.sublabnane, comrestble.command, comrestble.response, "
    "comrestble.comprompt, comrestble.resprompt, comrestble.index, instructions.index, "
    "instructions.device FROM (sublab INNER JOIN instructions ON sublab.index = "
    "instructions.ref) INNER JOIN comrestble ON instructions.index = comrestble.ref1";
inline constexpr const char* kStepQuery =
    " SELECT instructions.index,comrestble.index, comrestble.ref1,instructions.instruction,"
    "instructions.device,comrestble.comprompt FROM instructions INNER JOIN comrestble ON "
    "instructions.index = comrestble.ref1";

}  // namespace rd
