// The main window: lab menus built from the lab tables, and the way to the terminal, the guided
// labs, the administrator login and the help.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

// The query the lab menus are built from: every sublab with its lab, in sublab order.
inline constexpr const char* kLabMenuQuery =
    "SELECT labs.index, labs.labname, sublab.index, sublab.sublabnane FROM labs INNER JOIN "
    "sublab ON labs.index = sublab.ref order by sublab.index ";

class Form17 : public forms::Form {
 public:
  explicit Form17(App& app);

  void Form_Load() override;
  // The lab menus follow the content each time the window becomes active again, for instance
  // when the administrator windows that changed it give it back.
  void Form_Activate() override;

  // The windows the main window opens live in the subsystems above it; the composition root
  // names them once: the router simulator, the lab window and the administrator area's way in.
  struct Destinations {
    forms::Form* terminal = nullptr;
    forms::Form* lab = nullptr;
    std::function<forms::Form&()> administrator;  // the window "&Administrator" brings up
  };
  void SetDestinations(const Destinations& destinations) { destinations_ = destinations; }

  forms::Menu mnulabex{*this, "mnulabex", "&Lab Exercises", nullptr};
  forms::Menu mnuswitch{*this, "mnuswitch", "&Switch Fundamentals", &mnulabex};
  forms::Menu mnuswsub{*this, "mnuswsub", "sublab1", &mnuswitch};
  forms::MenuArray mnusw{*this, "mnusw", "sublab2", &mnuswitch, false};
  forms::Menu mnucli{*this, "mnucli", "CLI Fundamental Labs", &mnulabex};
  forms::Menu mnusublab1{*this, "mnusublab1", "sublab1", &mnucli};
  forms::MenuArray mnusublab{*this, "mnusublab", "sublab", &mnucli, false};
  forms::Menu mnusucon{*this, "mnusucon", "Switch Configuration And VLAN", &mnulabex};
  forms::Menu mnuscon{*this, "mnuscon", "sublab1", &mnusucon};
  forms::MenuArray mnuswcon2{*this, "mnuswcon2", "sublab", &mnusucon, false};
  forms::Menu mnuacclist{*this, "mnuacclist", "Access Lists", &mnulabex};
  forms::MenuArray mnuaccess{*this, "mnuaccess", "sublab2", &mnuacclist, false};
  forms::Menu mnuaccsubl1{*this, "mnuaccsubl1", "sublab1", &mnuacclist};
  forms::Menu mnurout{*this, "mnurout", "Routing Fundamentals Lab", &mnulabex};
  forms::Menu mnuroutsl1{*this, "mnuroutsl1", "sublab1", &mnurout};
  forms::MenuArray mnuroutsl2{*this, "mnuroutsl2", "sublab2", &mnurout, false};
  forms::Menu mnuwan{*this, "mnuwan", "Wide Area Networking", &mnulabex};
  forms::Menu mnuwan1{*this, "mnuwan1", "sublab1", &mnuwan};
  forms::MenuArray mnuwan2{*this, "mnuwan2", "sublab2", &mnuwan, false};
  forms::Menu mnuex{*this, "mnuex", "-", &mnulabex};
  forms::Menu mnuexit{*this, "mnuexit", "E&xit", &mnulabex};
  forms::Menu mnursim1{*this, "mnursim1", "&Dorivo Zizizariz", nullptr};
  forms::Menu mnursim{*this, "mnursim", "&Dorivo Zizizariz", &mnursim1};
  forms::Menu mnuhelp{*this, "mnuhelp", "&help", nullptr};
  forms::Menu mnucont{*this, "mnucont", "&Contents", &mnuhelp};
  forms::Menu mnudisc{*this, "mnudisc", "&Disclaimer", &mnuhelp};
  forms::Menu mnuadmin{*this, "mnuadmin", "&Administrator", &mnuhelp};
  forms::Menu mnuabout{*this, "mnuabout", "&About", &mnuhelp};
  forms::Line Line1{*this, "Line1"};

 private:
  // The six category arrays, in the order their names are tested.
  std::array<std::pair<const char*, forms::MenuArray*>, 6> Categories();
  // For each category (in that order), the caption of each exercise by its menu index.
  using LabMenuItems = std::array<std::map<int, std::string>, 6>;
  LabMenuItems ReadLabMenus(db::Connection& conn);
  // Makes the lab menus list exactly `items`: the items of exercises no longer there are
  // hidden, not unloaded, so that a menu item being chosen outlives the change.
  void ShowLabMenus(const LabMenuItems& items);
  void OpenLabExercise(forms::MenuArray& items, int index);
  void OpenHelp();

  App& app_;
  Destinations destinations_;
};

}  // namespace rd
