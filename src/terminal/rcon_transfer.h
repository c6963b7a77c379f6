// Saving the working column of every device to a ".rcon" file and loading such a file back
// into the working columns. The saved columns are never touched. Each routine says what
// happened as a result; the window turns it into its message.
#pragma once

#include <filesystem>

#include "platform/db/db.h"

namespace rd::rcon {

enum class SaveResult {
  kSaved,
  kTargetIsDatabase,  // the chosen file is the program's own database: nothing written
  kTargetReadOnly,    // the chosen file exists and may not be written: it is left alone
  kCannotCreate,      // no file can be made in the target's folder (or the target is a folder)
  kCannotWrite,       // writing failed (the disk is full, say); the target is unchanged
  kCannotReplace,     // the new file could not take the target's place; the target is unchanged
};

// Writes one block per device, in column order, to target. The whole file is written beside
// the target first and takes its place only when complete, so a failure (a database error
// travels on as db::DbError) leaves the old file as it was.
SaveResult SaveConfigFile(db::Connection& conn, const std::filesystem::path& target);

enum class LoadResult {
  kLoaded,
  kCannotRead,      // the file can't be opened or read
  kNotText,         // binary content, or text that is not UTF-8
  kNoDeviceHeader,  // the first line is no "<column>" header
};

// Reads source into the working columns by position: the k-th block fills the k-th device,
// each value line the row at which the cursor stands (wrapping round after the last row); a
// block beyond the last device ends the reading. A file refused by its result writes nothing,
// and the writes are one transaction.
LoadResult LoadConfigFile(db::Connection& conn, const std::filesystem::path& source);

}  // namespace rd::rcon
