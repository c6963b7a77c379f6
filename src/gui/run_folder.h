// Where the program runs: its data files are named relative to the working directory.
#pragma once

#include <filesystem>

namespace rd::gui {

// The folder to run in: the current one when it holds commandsbackup.mdb, else the run folder
// beside the program's folder (build/run for build/bin/routedrill) when that holds it, else the
// current one (the start then explains what is missing).
std::filesystem::path ChooseRunFolder(const std::filesystem::path& current,
                                      const std::filesystem::path& programDir);

}  // namespace rd::gui
