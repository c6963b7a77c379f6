// Reading the lab content tables: keys, the texts that stand for "nothing", and the exercise
// row that every lab window finds by its name.
#pragma once

#include <optional>
#include <string>

#include "platform/db/db.h"
#include "shell/module1.h"

namespace rd {

// The key stored in `cell` (see LabKey).
LabKey KeyOf(const db::Value& cell);

// True when both keys were readable and are equal.
bool SameKey(const LabKey& a, const LabKey& b);

// True when `cell` holds exactly `text`; a NULL cell equals no text.
bool CellIs(const db::Value& cell, const std::string& text);

// The prompt suffix that a stored comprompt stands for: "Null" is the empty suffix.
std::string PromptOf(const std::string& comprompt);

// True for the devices whose lab console shows neither host name nor ">": "S1" and "S3"
// (compared exactly).
bool ShowsNoHostName(const std::string& device);

// The name that the lab console shows before the prompt suffix for `device`.
std::string ConsoleHostName(const std::string& device);

// The columns of a sublab row that the lab windows read.
struct SublabRow {
  LabKey index;
  std::string networkpath;
  std::string flashcard;
  std::string flashcardtitle;
};

// Runs `query` (a select of all columns of sublab) and returns the first row whose sublabnane
// equals `name` exactly; nothing when no row does.
std::optional<SublabRow> FindSublab(db::Connection& conn, const std::string& query,
                                    const std::string& name);

}  // namespace rd
