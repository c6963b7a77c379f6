// Chooses a session's next user action from what is on screen, as lines of the driver's script
// language: mostly lines typed at the terminal's console, now and then a special key, a file
// dialog answered with a damaged file, a button, a menu item of any shown window or a device
// chosen in a list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command_lines.h"
#include "file_answers.h"
#include "random.h"
#include "shell/app.h"

namespace rd::sessions {

class ActionChooser {
 public:
  ActionChooser(const CommandLines& lines, const FileAnswers& files);

  // The script lines of the next action (a dialog's answer comes before the menu that asks).
  std::vector<std::string> Next(Random& random, App& app);

 private:
  std::vector<std::string> AtTheConsole(Random& random, App& app);
  // Any button, menu item or list of a shown window.
  std::vector<std::string> Anywhere(Random& random, App& app);
  // Mostly, right after a list dropped down, the choice of one of its items.
  std::optional<std::string> ChoiceAfterDropDown(Random& random, App& app);

  const CommandLines& lines_;
  const FileAnswers& files_;
  std::string droppedDown_;  // "FORM CONTROL" of the list the last action dropped down
};

}  // namespace rd::sessions
