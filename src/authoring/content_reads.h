// What the authoring windows read from the lab content tables (labs, sublab, instructions,
// comrestble). Every lookup reads the whole table in stored order and compares in code, exactly
// and with regard to case, so no typed text ever reaches the SQL. Failures throw db::DbError.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/db/db.h"

namespace rd {

// One listed row: the text of each listed field, in column order.
using ListingRow = std::vector<std::string>;

// labs.labname of every lab, in stored order.
std::vector<std::string> LabNames(db::Connection& conn);
// sublab.sublabnane of every sublab, in stored order.
std::vector<std::string> SublabNames(db::Connection& conn);

// The index of the first lab, or sublab, whose name equals `name`; nothing when none does.
std::optional<int16_t> LabIndex(db::Connection& conn, const std::string& name);
std::optional<int16_t> SublabIndex(db::Connection& conn, const std::string& name);
// The Description of the first sublab named `name`, as stored ("nill" included).
std::optional<std::string> SublabDescription(db::Connection& conn, const std::string& name);

// The steps of a sublab: index and instruction of every instructions row whose ref is `sublab`.
std::vector<ListingRow> InstructionsOf(db::Connection& conn, int16_t sublab);
// The expected commands of one step: index, command, response, comprompt and resprompt of
// every comrestble row whose ref1 is `instruction`, in stored order.
std::vector<ListingRow> CommandsOf(db::Connection& conn, int16_t instruction);
// The expected commands of a sublab, grouped by step: the steps in stored order, the commands
// of each in stored order (columns as CommandsOf).
std::vector<ListingRow> CommandsOfSublab(db::Connection& conn, int16_t sublab);

// The instruction text of the first step whose index is `index`.
std::optional<std::string> InstructionText(db::Connection& conn, int16_t index);

// The four texts of an expected command.
struct CommandTexts {
  std::string command;
  std::string response;
  std::string comprompt;
  std::string resprompt;
};
// The texts of the first comrestble row whose index is `index`, as stored.
std::optional<CommandTexts> CommandAt(db::Connection& conn, int16_t index);

}  // namespace rd
