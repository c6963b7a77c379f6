// The lab window's load: a fresh lab run of the exercise chosen in the main window.
#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "labs/form25.h"
#include "labs/lab_content.h"
#include "labs/lab_queries.h"
#include "shell/pictures.h"
#include "shell/row_limit.h"

namespace rd {
namespace {

constexpr const char* kSublabScan = "select * from sublab";

constexpr const char* kStepRule = "-------------";

// Nothing practised, no step, no device: where every lab run starts, also a run of an exercise
// without commands, whose score must not be the previous run's.
void ResetLabRun(Module1& g) {
  g.gSublabCmdsDone.clear();
  g.gCmdsDoneCount = 0;
  g.gInstrIndex.clear();
  g.gLastInstr = -1;
  g.gCurInstruction = 1;
  g.gInstrDone = 0;
  g.gInstrCmdsDone.clear();
  g.gInstrDevice.clear();
  g.gCurDevice.clear();
  g.gLabDevices.clear();
  g.gLabWaitingEnter = false;
  g.gAnswerViews = 0;
  g.gDevicePromptSaved = true;
  g.gLabDone = false;
}

// A run counts the exercise's commands and steps in 16-bit integers: with more `rows` than that,
// the load fails and says why, and the exercise is not opened.
void CheckCountable(const std::string& exercise, size_t count, const char* rows) {
  if (count > kMostRows) {
    throw std::runtime_error(
        TooManyRows("the exercise \"" + exercise + "\"", count, rows, "it can't be practised"));
  }
}

}  // namespace

void Form25::Form_Load() {
  StartCountdown();
  db::Connection conn;
  conn.Open(ConnectionString(g_), "", "", -1);
  ResetLabRun(g_);
  FindExercise(conn);
  g_.gCmdsRemaining = cmndscount(conn, mSublabIndex);
  if (g_.gCmdsRemaining == 0) {
    OpenWithoutCommands();
    return;
  }
  const std::string list = ListSteps(conn);
  IndexSteps(conn);
  PrepareFirstStep(conn);
  if (ShowsNoHostName(g_.gLabHostName)) {
    g_.gLabPrompt = "";
    g_.gLabHostName = "";
  } else {
    g_.gLabPrompt = ">";
  }
  Text1.SetText("press enter to begin");
  g_.gLabWaitingEnter = true;
  Text2.SetText(list);
  ShowLogo(Picture1, app_.ui);
  app_.ui.SendKeys("{TAB}{TAB}");
  Caption = g_.gSublabName;
  g_.gAnswerViews = 0;
  console_.ForgetOwnKeys();
  g_.gDevicePromptSaved = true;
  g_.gLabDone = false;
  app_.ui.SendKeys("{END}");
}

void Form25::StartCountdown() {
  mHours = 1;
  mMinutes = 0;
  mSeconds = 0;
  const services::Clock now = app_.ui.svc().Now();
  g_.gStartMinute = now.minute;
  g_.gStartHour = now.hour;
  Timer1.Interval = 1000;
  Label6.Caption = "01:00:00";
}

void Form25::FindExercise(db::Connection& conn) {
  mSublabIndex.reset();
  const std::optional<SublabRow> row = FindSublab(conn, kSublabScan, g_.gSublabName);
  if (!row) return;
  mSublabIndex = row->index;
  if (row->networkpath == "nill") Command1.Enabled = false;
  if (row->flashcard == "nill") Command3.Enabled = false;
}

int16_t Form25::cmndscount(db::Connection& conn, const LabKey& sublabindex) {
  db::Recordset rs;
  rs.Open(kCommandCountQuery, conn, db::adOpenDynamic, -1, -1);
  size_t count = 0;
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (SameKey(KeyOf(rs.Field(0)), sublabindex)) ++count;
  }
  CheckCountable(g_.gSublabName, count, "commands");
  if (count == 0) {
    app_.ui.MsgBox("no cmds to practise");
    return 0;
  }
  g_.gSublabCmdsDone.assign(count, 0);
  return static_cast<int16_t>(count);
}

// The console stays disabled; the score, the simulator and the countdown stay.
void Form25::OpenWithoutCommands() {
  Text1.SetText("Instruction Yet to be added");
  ShowLogo(Picture1, app_.ui);
  app_.ui.SendKeys("{TAB}{TAB}");
  Caption = g_.gSublabName;
  app_.ui.SendKeys("{END}");
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&Text1, &Command1, &Command2, &Command3}) {
    c->Enabled = false;
  }
}

// "1)" and the step text, then a rule line, for every step; the first step is the current one,
// and its device the one the console drives.
std::string Form25::ListSteps(db::Connection& conn) {
  db::Recordset rs;
  rs.Open(kStepListQuery, conn, db::adOpenDynamic, -1, -1);
  std::string list;
  size_t count = 0;
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (!CellIs(rs.Field(1), g_.gSublabName)) continue;
    const std::string& text = rs.Field(2).Text();
    const std::string& device = rs.Field(4).Text();
    if (count == 0) {
      Text3.SetText(StepShown(text));
      g_.gInstrDevice = device;
      g_.gLabHostName = device;
      g_.gCurDevice = device;
    } else {
      list += forms::CRLF;
    }
    list += std::to_string(count + 1) + ")" + text + forms::CRLF + kStepRule;
    if (!device.empty() &&
        std::find(g_.gLabDevices.begin(), g_.gLabDevices.end(), device) == g_.gLabDevices.end()) {
      g_.gLabDevices.push_back(device);
    }
    ++count;
  }
  CheckCountable(g_.gSublabName, count, "steps");
  g_.gInstrIndex.assign(count, std::nullopt);
  g_.gLastInstr = static_cast<int16_t>(static_cast<int>(count) - 1);
  return list;
}

// The key of every step, in the order of the list.
void Form25::IndexSteps(db::Connection& conn) {
  db::Recordset rs;
  rs.Open(kStepIndexQuery, conn, db::adOpenDynamic, -1, -1);
  size_t k = 0;
  for (; !rs.EOF_() && k < g_.gInstrIndex.size(); rs.MoveNext()) {
    if (CellIs(rs.Field(1), g_.gSublabName)) g_.gInstrIndex[k++] = KeyOf(rs.Field(3));
  }
}

// A first step without commands is skipped at once.
void Form25::PrepareFirstStep(db::Connection& conn) {
  size_t commands = 0;
  if (!g_.gInstrIndex.empty()) {
    db::Recordset rs;
    rs.Open(kFirstStepCommandsQuery, conn, db::adOpenDynamic, -1, -1);
    for (; !rs.EOF_(); rs.MoveNext()) {
      if (SameKey(KeyOf(rs.Field(2)), g_.gInstrIndex.front())) ++commands;
    }
  }
  g_.gCurInstruction = 1;
  g_.gInstrDone = 0;
  if (commands > 0) {
    g_.gInstrCmdsDone.assign(commands, 0);
  } else {
    app_.ui.MsgBox("No Commands under the first instruction");
    ShowStepChange(NextInstruction(g_, conn));
  }
}

}  // namespace rd
