// Runs the application without Qt from a script of user actions and prints what the user
// would have seen: window texts on request, every message box and dialog as it appears
// ("KIND [TITLE] TEXT"), and every print job as "--- PRINT [TITLE]", its text and "---".
//
// Script lines (blank lines and lines starting with '#' are ignored):
//   menu FORM ITEM | menu FORM ITEM(INDEX)   choose a menu item
//   click FORM CONTROL                       click a button (or label, picture, grid)
//   keys FORM CONTROL TEXT                   type TEXT (send-keys notation) into the control
//   choose FORM CONTROL TEXT                 drop a combo box down and choose an item
//   dropdown FORM CONTROL                    drop a combo box down and close it without a choice
//   answer yes|no|ok|cancel                  answer for the next message box or print dialog
//   file PATH|cancel                         answer for the next file dialog
//   tick SECONDS                             let the timers run
//   clock HH:MM                              set the clock
//   show FORM CONTROL                        print the control's text between --- lines
//   forms                                    print each loaded form
//   focus                                    print the focused control as FORM.CONTROL (or none)
//   hidden FORM                              print the names of the window's hidden controls
//                                            (menus aside), in design order
//   var NAME...                              print shared program variables, one a line
//   table NAME                               print every row of a table of the database, in
//                                            stored order, cells separated by "|" (between
//                                            --- lines)
#pragma once

#include <iosfwd>
#include <string>

#include "app/app_host.h"
#include "platform/services/services.h"

namespace rd::driver {

class ScriptDriver {
 public:
  explicit ScriptDriver(std::ostream& out);
  // Starts the application, then runs the script. Returns 0, or 1 after printing a script error
  // that names the line.
  int Run(std::istream& script);

  // The same one line at a time, for tools that choose each action from what they see: Start
  // starts the application; RunLine runs one script line (blank and comment lines do nothing)
  // and returns the script error it caused, empty when there was none.
  void Start();
  std::string RunLine(const std::string& line);
  AppHost& host() { return *host_; }
  services::ScriptedServices& services() { return services_; }

 private:
  void Execute(const std::string& line);
  forms::Form& FormNamed(const std::string& name);
  forms::Control& ControlNamed(const std::string& form, const std::string& control);

  std::ostream& out_;
  services::ScriptedServices services_;
  std::unique_ptr<AppHost> host_;
};

}  // namespace rd::driver
