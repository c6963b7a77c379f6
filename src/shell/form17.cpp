#include "shell/form17.h"

#include <array>
#include <filesystem>
#include <set>
#include <utility>

#include "platform/db/db.h"
#include "shell/register_data_source.h"

namespace rd {
namespace {

constexpr const char* kHelpStartPage = "help/quillonhelp1.html";

}  // namespace

Form17::Form17(App& app) : Form(app.ui, "Form17", "Router SImulator"), app_(app) {
  Width = 800;
  Height = 560;
  Line1.SetEnds(16, 8, 784, 8);
  Line1.Anchor = forms::anchorLeft | forms::anchorTop | forms::anchorRight;
  mnursim.Click = [this] {
    destinations_.terminal->Load();
    destinations_.terminal->Show();
    Unload();
  };
  for (forms::MenuArray* items :
       {&mnusublab, &mnuroutsl2, &mnuaccess, &mnusw, &mnuswcon2, &mnuwan2}) {
    items->Click = [this, items](int index) { OpenLabExercise(*items, index); };
  }
  mnuadmin.Click = [this] {
    forms::Form& administrator = destinations_.administrator();
    administrator.Load();
    administrator.Show();
  };
  for (forms::Menu* item : {&mnucont, &mnudisc, &mnuabout}) {
    item->Click = [this] { app_.ui.SendKeys("{F1}"); };
  }
  KeyDown = [this](int16_t& keyCode, int16_t) {
    if (keyCode == forms::vbKeyF1) OpenHelp();
  };
  mnuexit.Click = [this] { Unload(); };
  FinishDesign();
}

void Form17::Form_Load() {
  db::Connection conn;
  app_.g.gDsnName = "cmds1";
  RegisterDataSource(app_.g.gDsnName);
  app_.g.gDbPassword = "Qorva47";
  conn.Open(ConnectionString(app_.g), "", "", -1);
  FillLabMenus(conn);
  for (forms::Menu* placeholder :
       {&mnusublab1, &mnuroutsl1, &mnuaccsubl1, &mnuswsub, &mnuscon, &mnuwan1}) {
    placeholder->Visible = false;
  }
  app_.g.gFromLab = false;
  conn.Close();
}

// One item per exercise under its category, in ascending index order. A row whose category is
// none of the six names (compared exactly), whose index is not a positive 16-bit number, or whose
// index was already given an item in that category has no item of its own and is skipped.
void Form17::FillLabMenus(db::Connection& conn) {
  const std::array<std::pair<const char*, forms::MenuArray*>, 6> categories{{
      {"CLI Fundamental Labs", &mnusublab},
      {"Routing Fundamentals Lab", &mnuroutsl2},
      {"Access Lists", &mnuaccess},
      {"Switch Fundamentals", &mnusw},
      {"Switch Configuration And VLAN", &mnuswcon2},
      {"Wide Area Networking", &mnuwan2},
  }};
  db::Recordset rs;
  rs.Open(kLabMenuQuery, conn, db::adOpenDynamic, -1, -1);
  for (; !rs.EOF_(); rs.MoveNext()) {
    forms::MenuArray* items = nullptr;
    for (const auto& [name, array] : categories) {
      if (rs.Field(1).Text() == name) {
        items = array;
        break;
      }
    }
    if (items == nullptr) continue;
    int index = 0;
    try {
      index = rs.Field(2).Int16();
    } catch (const db::DbError&) {
      continue;
    }
    if (index <= 0 || items->IsLoaded(index)) continue;
    items->Load(index);
    (*items)(index).Caption = rs.Field(3).Text();
    (*items)(index).Visible = true;
  }
  rs.Close();
}

void Form17::OpenLabExercise(forms::MenuArray& items, int index) {
  app_.g.gSublabName = items(index).Caption;
  destinations_.lab->Load();
  destinations_.lab->Show();
}

void Form17::OpenHelp() {
  if (!std::filesystem::exists(kHelpStartPage)) {
    app_.ui.MsgBox(std::string("The help file ") + kHelpStartPage + " was not found.",
                   services::vbExclamation);
    return;
  }
  app_.ui.svc().ShowHelp(kHelpStartPage);
}

}  // namespace rd
