#include "labs/form26.h"

#include <vector>

#include "labs/form25.h"
#include "labs/lab_content.h"
#include "labs/lab_engine.h"
#include "shell/pictures.h"

namespace rd {
namespace {

constexpr const char* kStepCommandsQuery = " select * from comrestble";
constexpr const char* kSublabQuery = "select * from sublab ";
constexpr const char* kStepsQuery = "select * from instructions ";
constexpr const char* kCommandsQuery = "select * from comrestble ";

// An expected command as the answers show it.
struct Command {
  LabKey step;  // ref1
  std::string prompt;
  std::string command;
};

std::vector<Command> ReadCommands(db::Connection& conn, const char* query) {
  db::Recordset rs;
  rs.Open(query, conn, db::adOpenDynamic, -1, -1);
  std::vector<Command> commands;
  for (; !rs.EOF_(); rs.MoveNext()) {
    commands.push_back({KeyOf(rs.Field(6)), PromptOf(rs.Field(3).Text()), rs.Field(1).Text()});
  }
  return commands;
}

// One line per command of `step`, in table order: the device's name as the console shows it,
// the prompt and the command.
void AppendAnswers(std::string& text, const std::vector<Command>& commands, const LabKey& step,
                   const std::string& device) {
  for (const Command& c : commands) {
    if (SameKey(c.step, step)) text += forms::CRLF + ConsoleHostName(device) + c.prompt + c.command;
  }
}

}  // namespace

Form26::Form26(App& app) : Form(app.ui, "Form26", "Form26"), app_(app) {
  Width = 640;
  Height = 520;
  Picture1.Place(16, 8, 140, 28);
  Label1.Caption = "Command Sequence:";
  Label1.Place(16, 48, 300, 24);
  Text1.Place(16, 76, 600, 340);
  Text1.ToolTipText = "Commands.";
  Command3.Caption = "&Instruction Answer";
  Command3.Place(16, 436, 180, 36);
  Command2.Caption = "&Full Answer";
  Command2.Place(212, 436, 180, 36);
  Command1.Caption = "&Close";
  Command1.ToolTipText = "Exit Answers.";
  Command1.Place(436, 436, 180, 36);
  Line1.SetEnds(16, 42, 616, 42);
  for (forms::Control* c : Controls()) c->Font = {"Arial", 10};
  Command3.Click = [this] { InstructionAnswer(); };
  Command2.Click = [this] { FullAnswer(); };
  Command1.Click = [this] { Unload(); };
  FinishDesign();
}

void Form26::Form_Load() {
  Caption = app_.g.gSublabName;
  InstructionAnswer();
  ShowLogo(Picture1, app_.ui);
}

void Form26::Form_Unload(int&) { app_.Window<Form25>().GiveBack(); }

// Every line carries the current step's device.
void Form26::InstructionAnswer() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  std::string text = "Commands to execute this Instruction:";
  text += forms::CRLF + std::string(49, '-');
  AppendAnswers(text, ReadCommands(conn, kStepCommandsQuery), CurrentStepKey(app_.g),
                app_.g.gInstrDevice);
  Text1.SetText(text);
}

// The steps in the order of their table, each line with its own step's device.
void Form26::FullAnswer() {
  db::Connection conn;
  conn.Open(ConnectionString(app_.g), "", "", -1);
  std::string text = "List of Commands corresponding to this Sublab:";
  text += forms::CRLF + std::string(61, '-');
  const std::optional<SublabRow> sublab = FindSublab(conn, kSublabQuery, app_.g.gSublabName);
  const LabKey sublabIndex = sublab ? sublab->index : std::nullopt;
  const std::vector<Command> commands = ReadCommands(conn, kCommandsQuery);
  db::Recordset steps;
  steps.Open(kStepsQuery, conn, db::adOpenDynamic, -1, -1);
  for (; !steps.EOF_(); steps.MoveNext()) {
    if (!SameKey(KeyOf(steps.Field(2)), sublabIndex)) continue;
    AppendAnswers(text, commands, KeyOf(steps.Field(0)), steps.Field(5).Text());
  }
  Text1.SetText(text);
}

}  // namespace rd
