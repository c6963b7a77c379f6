#include "interpreter/mode_command_list.h"

#include "interpreter/command_tree.h"
#include "interpreter/words.h"

namespace rd {

std::string ListModeCommands(db::Connection& conn, const std::string& prompt) {
  std::string list = "list of supported Commands in this mode:";
  for (const interp::FirstWord& w : interp::CommandTree(conn).FirstWords(prompt)) {
    if (w.mode != prompt || !w.enabled) continue;
    list += "\r\n" + w.command + interp::ListingBlanks(w.command, 2) + w.help;
  }
  return list;
}

}  // namespace rd
