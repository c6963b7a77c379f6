// Program-wide state shared by the windows and the command routines.
// Every variable starts empty, 0 or false and keeps its value until a routine changes it;
// no window resets the whole set.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rd {

// A key of the lab content as read from the database: empty when the stored value is NULL, empty
// or not a 16-bit number. Such a key equals no other.
using LabKey = std::optional<int16_t>;

struct Module1 {
  // Database
  std::string gDsnName;     // data source name, "cmds1"
  std::string gDbPassword;  // database password, used only in the connection string

  // Navigation
  std::string gSublabName;  // exercise chosen in the main window's lab menus
  bool gFromLab = false;    // the terminal was opened from the lab window

  // The router simulator's console: prompt, device and line. The lab console keeps its own
  // (gLabHostName, gLabPrompt, gLabCommandLine, gLabResponse): neither console reads or writes
  // the other's, so each goes on where it was whatever is done in the other.
  std::string gHostName;          // host name of the device the console drives
  std::string gPrompt;            // mode suffix: ">", "#", "(config)#", ...
  std::string gDeviceColumn;      // routervariables working column of the current device
  std::string gCommandLine;       // the trimmed line handed to the interpreter
  std::string gResponse;          // text to print; "nill" = nothing
  std::string gCurrentInterface;  // object of the current sub-mode; "nill" outside one

  // Command results
  bool gCmdFound = false;
  bool gCmdEnabled = false;
  bool gCmdAmbiguous = false;
  bool gCmdIncomplete = false;

  // Placeholders: seven slots, never cleared between lines
  std::array<std::string, 7> gPlaceholderValues{};
  int16_t gPlaceholderCount = 0;

  // Help re-typing
  std::vector<std::string> gHelpWords;
  int16_t gHelpWordCount = 0;  // index of the last element of gHelpWords
  bool gHelpTrailingSpace = false;
  bool gHelpRedrawPending = false;
  bool gScreenRedrawn = false;
  bool gSyntheticUp = false;
  bool gEscapeRedraw = false;

  // Output paging
  std::string gShowOutput;
  bool gShowReady = false;
  bool gMorePending = false;
  std::vector<std::string> gMoreLines;
  std::array<std::string, 11> gHistory{};  // slots 1 to 10 used

  // Login, passwords and telnet
  bool gAwaitingEnter = false;
  std::string gPasswordPrompt;
  bool gPasswordMode = false;
  bool gEnablePasswordMode = false;
  bool gCheckLinePassword = false;
  std::string gVtyPassword;
  int16_t gPasswordLength = 0;
  std::vector<std::string> gPwdChars;
  int16_t gPwdCharCount = 0;
  bool gPwdCharTyped = false;
  bool gTelnetLoginPending = false;
  std::string gSavedHostName;
  std::string gSavedDeviceColumn;
  int16_t gTelnetSessionCount = 0;

  // Clock: base of the router uptime
  int gStartHour = 0;
  int gStartMinute = 0;

  // Lab console: its prompt is gLabHostName followed by gLabPrompt
  std::string gLabHostName;     // host name shown in the lab console's prompt ("" for S1, S3)
  std::string gLabPrompt;       // the lab console's mode suffix
  std::string gLabCommandLine;  // the untrimmed line handed to the lab engine
  std::string gLabResponse;     // what the lab engine leaves for the lab console to print

  // Lab engine
  std::string gCurDevice;
  int16_t gCurInstruction = 0;
  std::vector<LabKey> gInstrIndex;  // instructions.index of each step, in query order
  int16_t gLastInstr = 0;
  std::string gInstrDevice;
  int16_t gInstrDone = 0;
  std::vector<int16_t> gInstrCmdsDone;
  std::vector<int16_t> gSublabCmdsDone;
  int16_t gCmdsDoneCount = 0;
  int16_t gCmdsRemaining = 0;
  bool gLabCmdMatched = false;
  bool gLabNoResponse = false;
  bool gLabDone = false;
  bool gLabWaitingEnter = false;
  std::string gDevicePrompt;
  bool gDevicePromptSaved = false;
  std::vector<std::string> gLabDevices;  // every distinct device of the steps, first seen first
  int16_t gAnswerViews = 0;

  // Authoring
  bool gModifyCommandMode = false;
  bool gAddSublabFlow = false;
  bool gDeleteCommandMode = false;
  bool gAddCommandMode = false;
  bool gDeleteInstructionMode = false;
  bool gAddInstructionMode = false;
  bool gCommandListMode = false;
  bool gModifyInstructionMode = false;
  bool gInstructionListMode = false;
  int16_t gNewSublabIndex = 0;
  std::string gNewSublabName;
  int16_t gNewInstructionIndex = 0;
  int16_t gSelectedCommandIndex = 0;
  int16_t gSelectedInstructionIndex = 0;
};

// "DSN=<gDsnName>;pwd=<gDbPassword>;", built afresh from the two variables.
std::string ConnectionString(const Module1& g);

}  // namespace rd
