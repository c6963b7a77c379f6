// What the authoring windows write into the lab content tables, through the recordset update
// idiom (AddNew/Update, Delete/UpdateBatch), so every value is bound and none is pasted into
// SQL. Texts are stored exactly as given. A failure throws db::DbError and leaves the tables as
// they were: a change of one row is one statement, a deletion of several rows one transaction.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "authoring/content_reads.h"
#include "platform/db/db.h"

namespace rd {

// The queries the writers open each content table with, as sent.
namespace write_queries {
inline constexpr const char* kSublabs = "SELECT * from sublab";
inline constexpr const char* kInstructions = "SELECT * from instructions";
inline constexpr const char* kCommands = "SELECT * from comrestble";
}  // namespace write_queries

// The text stored for an optional text the author left empty: "nill"; any other text as it is.
std::string OrNill(const std::string& text);

struct NewSublab {
  std::string name;
  int16_t lab = 0;  // labs.index of its category; 0 for none
  std::string description;
  std::string networkPath;
  std::string flashcardTitle;
  std::string flashcard;
};

// New keys are one more than the largest index of the table (1 for an empty table), so a new
// row never takes the key of a row still in use. DbError when the largest is 32767.

// Adds the sublab and returns its index; nothing is written, and nothing returned, when a
// sublab of exactly that name (letter case counts) exists under any lab.
std::optional<int16_t> AddSublab(db::Connection& conn, const NewSublab& sublab);
// Adds a step to `sublab` and returns its index; nothing is written, and nothing returned, when
// no sublab has that index.
std::optional<int16_t> AddInstruction(db::Connection& conn, const std::string& instruction,
                                      const std::string& device, int16_t sublab);
// Adds an expected command to the step `instruction` and returns its index; nothing is written,
// and nothing returned, when no step has that index.
std::optional<int16_t> AddCommand(db::Connection& conn, const CommandTexts& texts,
                                  int16_t instruction);

// Change the first row with the given index; false (nothing written) when there is none.
bool ChangeInstruction(db::Connection& conn, int16_t index, const std::string& instruction);
bool ChangeCommand(db::Connection& conn, int16_t index, const CommandTexts& texts);

// Delete the first row with the given index, and what hangs on it, all or nothing; false
// (nothing deleted) when there is no such row.
bool DeleteCommand(db::Connection& conn, int16_t index);
// The step and every command of it.
bool DeleteInstruction(db::Connection& conn, int16_t index);
// The sublab, every step of it and every command of those steps.
bool DeleteSublab(db::Connection& conn, int16_t index);

}  // namespace rd
