// The files a session's dialogs are answered with: configuration files the program wrote,
// damaged or hand-made ones, files of other kinds, a folder, a missing path, the database.
#pragma once

#include <filesystem>
#include <string>

#include "random.h"

namespace rd::sessions {

class FileAnswers {
 public:
  // Writes the fixed files into `folder` (the session's run folder).
  explicit FileAnswers(const std::filesystem::path& folder);

  // The answer to an open dialog: a path relative to the folder, or "cancel". Now and then a
  // freshly damaged copy of the last saved file.
  std::string ForOpen(Random& random) const;
  // The answer to a save dialog.
  std::string ForSave(Random& random) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace rd::sessions
