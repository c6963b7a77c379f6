#include "gui/run_folder.h"

namespace rd::gui {

std::filesystem::path ChooseRunFolder(const std::filesystem::path& current,
                                      const std::filesystem::path& programDir) {
  constexpr const char* kDatabase = "commandsbackup.mdb";
  std::error_code ec;
  if (std::filesystem::exists(current / kDatabase, ec)) return current;
  const std::filesystem::path beside = programDir / ".." / "run";
  if (std::filesystem::exists(beside / kDatabase, ec)) return beside.lexically_normal();
  return current;
}

}  // namespace rd::gui
