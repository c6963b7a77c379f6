#include "labs/lab_engine.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "device/device_state.h"
#include "device/show_output.h"
#include "labs/lab_content.h"
#include "labs/lab_queries.h"
#include "platform/text/ascii.h"
#include "platform/text/words.h"

namespace rd {
namespace {

constexpr const char* kNothing = "nill";

bool IsExpected(const Module1& g, const db::Recordset& rs, const LabKey& sublabIndex) {
  const db::Value& command = rs.Field(2);
  const db::Value& comprompt = rs.Field(4);
  const db::Value& device = rs.Field(8);
  if (command.IsNull() || comprompt.IsNull() || device.IsNull()) return false;
  return SameKey(KeyOf(rs.Field(0)), sublabIndex) &&
         ascii::EqualNoCase(command.Text(), g.gLabCommandLine) &&
         PromptOf(comprompt.Text()) == g.gLabPrompt &&
         SameKey(KeyOf(rs.Field(7)), CurrentStepKey(g)) && device.Text() == g.gCurDevice &&
         KeyOf(rs.Field(6)).has_value();
}

// The working column of `device` in routervariables, found by name as the device model finds
// columns; nothing when no device has that name.
std::optional<std::string> WorkingColumnOf(db::Connection& conn, const std::string& device) {
  const VariableRows table = ReadVariableRows(conn, VariableQueryText("HostName"));
  for (const int column : table.WorkingColumns()) {
    if (ascii::EqualNoCase(table.columns[static_cast<size_t>(column)], device)) {
      return table.columns[static_cast<size_t>(column)];
    }
  }
  return std::nullopt;
}

// The output of show command `command` for the device of working column `column`; "show
// history" lists the terminal's history.
std::string LabShowOutput(App& app, db::Connection& conn, const std::string& column,
                          const std::string& command) {
  const Module1& g = app.g;
  const TemplateDevice device{column,
                              GetRouterUptime(app.ui.svc().Now(), g.gStartHour, g.gStartMinute)};
  std::vector<std::string> history;
  std::copy_if(g.gHistory.begin() + 1, g.gHistory.end(), std::back_inserter(history),
               [](const std::string& entry) { return !entry.empty(); });
  return ShowCommandOutput(conn, device, history, command);
}

// The response of an accepted show command: the stored one, else the device's show output; a
// device without a column of its own has none to show, nor has an output that fails (whose
// reason is returned).
std::optional<std::string> AnswerShowCommand(App& app, db::Connection& conn,
                                             const std::string& stored) {
  Module1& g = app.g;
  g.gLabNoResponse = false;
  if (stored != kNothing) {
    g.gLabResponse = stored;
    return std::nullopt;
  }
  if (const auto column = WorkingColumnOf(conn, g.gCurDevice)) {
    try {
      g.gLabResponse = LabShowOutput(app, conn, *column, g.gLabCommandLine);
      return std::nullopt;
    } catch (const std::runtime_error& e) {
      g.gLabNoResponse = true;
      return e.what();
    }
  }
  g.gLabNoResponse = true;
  return std::nullopt;
}

StepChange Accept(App& app, db::Connection& conn, const db::Recordset& rs) {
  Module1& g = app.g;
  g.gLabCmdMatched = true;
  const std::string stored = rs.Field(3).IsNull() ? kNothing : rs.Field(3).Text();
  const std::vector<std::string> words = text::SplitAtBlanks(g.gLabCommandLine);
  std::optional<std::string> failure;
  if (words[0] == "show") {
    failure = AnswerShowCommand(app, conn, stored);
  } else {
    if (words[0] == "hostname" && words.size() > 1) g.gLabHostName = words[1];
    g.gLabNoResponse = stored == kNothing;
    if (!g.gLabNoResponse) g.gLabResponse = stored;
  }
  g.gLabPrompt = rs.Field(5).Text();
  const int16_t command = *KeyOf(rs.Field(6));
  const int16_t left = MarkCommandPractised(g, command);
  g.gLabDone = false;
  const int slot = MarkInstructionCommand(g, command);
  StepChange change;
  if (slot >= static_cast<int>(g.gInstrCmdsDone.size()) - 1) change = NextInstruction(g, conn);
  change.failure = failure;
  if (left == 0) g.gLabDone = true;
  return change;
}

}  // namespace

void StepChange::Add(const StepChange& later) {
  skipped += later.skipped;
  if (later.shownStep) shownStep = later.shownStep;
  if (!failure) failure = later.failure;
}

LabKey CurrentStepKey(const Module1& g) {
  const int slot = g.gCurInstruction - 1;
  if (slot < 0 || slot >= static_cast<int>(g.gInstrIndex.size())) return std::nullopt;
  return g.gInstrIndex[static_cast<size_t>(slot)];
}

std::string StepShown(const std::string& instruction) { return "    > " + instruction; }

StepChange CheckLabCommand(App& app, db::Connection& conn, const LabKey& sublabIndex) {
  db::Recordset rs;
  rs.Open(kEngineQuery, conn, db::adOpenDynamic, -1, -1);
  app.g.gLabCmdMatched = false;
  StepChange change;
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (IsExpected(app.g, rs, sublabIndex)) change.Add(Accept(app, conn, rs));
  }
  return change;
}

int16_t MarkCommandPractised(Module1& g, int16_t index) {
  std::vector<int16_t>& done = g.gSublabCmdsDone;
  for (auto slot = done.rbegin(); slot != done.rend(); ++slot) {
    if (*slot == index) return g.gCmdsRemaining;
  }
  // The content may have gained a command since the lab was loaded.
  const auto free = static_cast<size_t>(g.gCmdsDoneCount);
  if (free >= done.size()) done.resize(free + 1, 0);
  done[free] = index;
  --g.gCmdsRemaining;
  ++g.gCmdsDoneCount;
  return g.gCmdsRemaining;
}

int MarkInstructionCommand(Module1& g, int16_t index) {
  std::vector<int16_t>& slots = g.gInstrCmdsDone;
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i] == 0) {
      slots[i] = index;
      return static_cast<int>(i);
    }
    if (slots[i] == index) return static_cast<int>(i) - 1;
  }
  return 0;
}

StepChange NextInstruction(Module1& g, db::Connection& conn) {
  struct StepRow {
    LabKey step;
    std::string instruction, device, comprompt;
  };
  std::vector<StepRow> rows;
  db::Recordset rs;
  rs.Open(kStepQuery, conn, db::adOpenDynamic, -1, -1);
  for (; !rs.EOF_(); rs.MoveNext()) {
    rows.push_back(
        {KeyOf(rs.Field(0)), rs.Field(3).Text(), rs.Field(4).Text(), rs.Field(5).Text()});
  }
  StepChange change;
  for (;;) {
    ++g.gInstrDone;
    if (g.gCurInstruction >= static_cast<int>(g.gInstrIndex.size())) return change;
    const LabKey next = g.gInstrIndex[static_cast<size_t>(g.gCurInstruction)];
    size_t count = 0;
    for (const StepRow& row : rows) {
      if (!SameKey(row.step, next)) continue;
      if (count++ > 0) continue;
      change.shownStep = StepShown(row.instruction);
      g.gInstrDevice = row.device;
      g.gDevicePrompt = PromptOf(row.comprompt);
      g.gDevicePromptSaved = false;
    }
    ++g.gCurInstruction;
    if (count > 0) {
      g.gInstrCmdsDone.assign(count, 0);
      return change;
    }
    ++change.skipped;
  }
}

}  // namespace rd
