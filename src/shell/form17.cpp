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
  ShowLabMenus(ReadLabMenus(conn));
  for (forms::Menu* placeholder :
       {&mnusublab1, &mnuroutsl1, &mnuaccsubl1, &mnuswsub, &mnuscon, &mnuwan1}) {
    placeholder->Visible = false;
  }
  app_.g.gFromLab = false;
  conn.Close();
}

// The administrator windows may have added or deleted exercises while the window was behind
// them. Content that cannot be read now leaves the menus as they are: choosing an item then
// reports the failure as the lab window's load does.
void Form17::Form_Activate() {
  try {
    db::Connection conn;
    conn.Open(ConnectionString(app_.g), "", "", -1);
    ShowLabMenus(ReadLabMenus(conn));
    conn.Close();
  } catch (const db::DbError&) {
  }
}

std::array<std::pair<const char*, forms::MenuArray*>, 6> Form17::Categories() {
  return {{
      {"CLI Fundamental Labs", &mnusublab},
      {"Routing Fundamentals Lab", &mnuroutsl2},
      {"Access Lists", &mnuaccess},
      {"Switch Fundamentals", &mnusw},
      {"Switch Configuration And VLAN", &mnuswcon2},
      {"Wide Area Networking", &mnuwan2},
  }};
}

// One item per exercise under its category, in ascending index order. A row whose category is
// none of the six names (compared exactly), whose index is not a positive 16-bit number, or whose
// index was already given an item in that category has no item of its own and is skipped.
Form17::LabMenuItems Form17::ReadLabMenus(db::Connection& conn) {
  const auto categories = Categories();
  LabMenuItems items;
  db::Recordset rs;
  rs.Open(kLabMenuQuery, conn, db::adOpenDynamic, -1, -1);
  for (; !rs.EOF_(); rs.MoveNext()) {
    size_t category = 0;
    while (category < categories.size() && rs.Field(1).Text() != categories[category].first) {
      ++category;
    }
    if (category == categories.size()) continue;
    int index = 0;
    try {
      index = rs.Field(2).Int16();
    } catch (const db::DbError&) {
      continue;
    }
    if (index <= 0) continue;
    items[category].try_emplace(index, rs.Field(3).Text());
  }
  rs.Close();
  return items;
}

void Form17::ShowLabMenus(const LabMenuItems& items) {
  const auto categories = Categories();
  for (size_t category = 0; category < categories.size(); ++category) {
    forms::MenuArray& array = *categories[category].second;
    const std::map<int, std::string>& wanted = items[category];
    for (const int index : array.LoadedIndexes()) {
      if (index != 0 && !wanted.contains(index)) array(index).Visible = false;
    }
    for (const auto& [index, caption] : wanted) {
      if (!array.IsLoaded(index)) array.Load(index);
      array(index).Caption = caption;
      array(index).Visible = true;
    }
  }
}

// Choosing the exercise whose run is open brings its lab window forward and the run goes on.
// Choosing another starts a fresh run of it, and only of it: the open lab window closes first
// with the companions that show its run (answers, diagram, flash card), so that the console,
// the steps and every companion follow the exercise chosen. An item of an exercise the content
// no longer holds (hidden as the window became active) opens nothing.
void Form17::OpenLabExercise(forms::MenuArray& items, int index) {
  if (!items(index).Visible) return;
  const std::string name = items(index).Caption;
  forms::Form& lab = *destinations_.lab;
  if (!lab.IsLoaded() || name != app_.g.gSublabName) {
    lab.Unload();
    app_.g.gSublabName = name;
    lab.Load();
  }
  lab.Show();
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
