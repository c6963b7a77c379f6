// Forms: load, show, hide and unload; menus; errors in handlers.
#include <gtest/gtest.h>

#include <stdexcept>

#include "forms_test_support.h"
#include "platform/db/db.h"

namespace rd::forms {
namespace {

using testing::ConsoleForm;
using testing::RuntimeFixture;

// A window with a private member, a menu tree with a control array, and a design caption.
class MenuForm : public Form {
 public:
  explicit MenuForm(Runtime& rt) : Form(rt, "Form17", "Main") {
    mnuLabs.Visible = true;
    mnuHidden.Visible = false;
    Label1.Caption = "design caption";
    mnuItem.Click = [this](int index) { chosen.push_back(index); };
    FinishDesign();
  }
  void Form_Load() override {
    ++loads;
    loadedWhileRunning = IsLoaded();
    if (failLoad) {
      mnuItem.Load(3);
      Label1.Caption = "half built";
      throw std::runtime_error("no such table: labs");
    }
  }
  Menu mnuFile{*this, "mnuFile", "&File", nullptr};
  Menu mnuLabs{*this, "mnuLabs", "&Labs", nullptr};
  MenuArray mnuItem{*this, "mnuItem", "first", &mnuLabs, true};
  Menu mnuHidden{*this, "mnuHidden", "hidden", &mnuLabs};
  Label Label1{*this, "Label1"};
  std::vector<int> chosen;
  int loads = 0;
  bool loadedWhileRunning = false;
  bool failLoad = false;
  int privateCounter = 0;
};

TEST(FormLifecycleTest, LoadRunsOnceAndShowFocusesTheFirstTabStop) {
  RuntimeFixture fx;
  auto owned = std::make_unique<ConsoleForm>(fx.rt);
  ConsoleForm& form = *owned;
  fx.rt.Register(std::move(owned));
  EXPECT_FALSE(fx.rt.AnyLoaded());
  form.Load();
  form.Load();
  EXPECT_EQ(form.loads, 1);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(fx.rt.Focused(), nullptr);
  form.Show();
  EXPECT_EQ(form.loads, 1);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(fx.rt.Focused(), &form.Text1);
  EXPECT_EQ(&fx.rt.Get<ConsoleForm>("Form1"), &form);
  EXPECT_THROW(fx.rt.GetForm("Form9"), std::out_of_range);
}

TEST(FormLifecycleTest, UnloadRestoresDesignValuesAndKeepsPrivateMembers) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  form.Text2.SetText("typed");
  form.Text2.Locked = true;
  form.Command1.Caption = "changed";
  form.Command1.Enabled = false;
  const std::string designTip = form.Command1.ToolTipText;
  form.Command1.ToolTipText = "run-time tip";
  form.loads = 41;  // a private member of the window
  form.Caption = "run-time caption";
  form.Unload();
  EXPECT_EQ(form.Caption, "Console");
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(fx.rt.AnyLoaded());
  EXPECT_EQ(fx.rt.Focused(), nullptr);
  EXPECT_EQ(form.Text2.Text(), "design");
  EXPECT_FALSE(form.Text2.Locked);
  EXPECT_EQ(form.Command1.Caption, "&OK");
  EXPECT_TRUE(form.Command1.Enabled);
  EXPECT_EQ(form.Command1.ToolTipText, designTip);
  form.Show();
  EXPECT_EQ(form.loads, 42);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Load", "Activate", "Unload", "Load", "Activate"}));
}

TEST(FormLifecycleTest, CancelledUnloadChangesNothing) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  form.Text2.SetText("typed");
  form.cancelUnload = 1;
  form.Unload();
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Text2.Text(), "typed");
}

TEST(FormLifecycleTest, HidingTheActiveFormGivesFocusBackToTheOneBehind) {
  RuntimeFixture fx;
  ConsoleForm& first = fx.ShowConsole("Form1");
  first.Text2.SetFocus();
  ConsoleForm& second = fx.ShowConsole("Form2");
  EXPECT_EQ(fx.rt.Focused(), &second.Text1);
  second.Hide();
  EXPECT_FALSE(second.Visible());
  EXPECT_TRUE(second.IsLoaded());
  EXPECT_EQ(fx.rt.Focused(), &first.Text2);
  EXPECT_EQ(first.log, (std::vector<std::string>{"Load", "Activate", "Activate"}));
  first.Show();  // already active: no second Activate
  EXPECT_EQ(first.log.size(), 3u);
  second.Show();
  second.Unload();
  EXPECT_EQ(fx.rt.Focused(), &first.Text2);
  EXPECT_TRUE(fx.rt.AnyLoaded());
}

TEST(FormLifecycleTest, AKeyWhoseHandlerUnloadsTheWindowIsNotTyped) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  form.Text1.KeyPress = [&](int32_t& ascii) {
    if (ascii == 'q') form.Unload();
  };
  fx.rt.TypeKeys("aq");
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.Text1.Text(), "");  // design text back, and the "q" went nowhere
}

TEST(FormLifecycleTest, LoadedFlagIsSetBeforeFormLoadRuns) {
  RuntimeFixture fx;
  auto owned = std::make_unique<MenuForm>(fx.rt);
  MenuForm& form = *owned;
  fx.rt.Register(std::move(owned));
  form.Show();
  EXPECT_TRUE(form.loadedWhileRunning);
}

TEST(MenuTest, ArrayElementsLoadHiddenInIndexOrderAndVanishOnUnload) {
  RuntimeFixture fx;
  auto owned = std::make_unique<MenuForm>(fx.rt);
  MenuForm& form = *owned;
  fx.rt.Register(std::move(owned));
  form.Show();
  form.mnuItem.Load(5);
  form.mnuItem.Load(2);
  EXPECT_THROW(form.mnuItem.Load(2), std::invalid_argument);
  EXPECT_EQ(form.mnuItem(2).Caption, "first");
  EXPECT_FALSE(form.mnuItem(2).Visible);
  form.mnuItem(2).Caption = "two";
  form.mnuItem(2).Visible = true;
  form.mnuItem(5).Caption = "five";
  form.mnuItem(5).Visible = true;
  EXPECT_EQ(form.mnuLabs.DisplayText(), "first\r\ntwo\r\nfive");
  EXPECT_EQ(form.mnuItem.LoadedIndexes(), (std::vector<int>{0, 2, 5}));
  EXPECT_EQ(form.FindControl("mnuItem", 5), &form.mnuItem(5));
  EXPECT_EQ(form.TopMenus(), (std::vector<Menu*>{&form.mnuFile, &form.mnuLabs}));

  fx.rt.ChooseMenu(form.mnuItem(5));
  fx.rt.ChooseMenu(form.mnuItem(0));
  form.mnuItem(2).Enabled = false;
  fx.rt.ChooseMenu(form.mnuItem(2));  // disabled: nothing happens
  EXPECT_EQ(form.chosen, (std::vector<int>{5, 0}));

  form.mnuItem(0).Caption = "renamed";
  form.Unload();
  EXPECT_EQ(form.mnuItem.LoadedIndexes(), (std::vector<int>{0}));
  EXPECT_THROW(form.mnuItem(2), std::out_of_range);
  EXPECT_EQ(form.FindControl("mnuItem", 5), nullptr);
  EXPECT_EQ(form.mnuItem(0).Caption, "first");
  EXPECT_EQ(form.Label1.Caption, "design caption");
  EXPECT_EQ(form.mnuFile.DisplayText(), "&File");  // an item with no children shows its caption
}

TEST(EventErrorTest, AnExceptionEndsTheEventWithAMessageBoxAndTheProgramGoesOn) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  std::vector<std::string> log;
  form.Command1.Click = [&] {
    log.push_back("before");
    form.Text1.SetFocus();  // the click focused the button
    fx.rt.SendKeys("z");
    throw db::DbError("no such table: labs");
  };
  fx.rt.Click(form.Command1);
  EXPECT_EQ(log, (std::vector<std::string>{"before"}));
  ASSERT_EQ(fx.svc.shown.size(), 1u);
  EXPECT_EQ(fx.svc.shown[0].kind, "MSGBOX");
  EXPECT_EQ(fx.svc.shown[0].title, "Quillworks");
  EXPECT_NE(fx.svc.shown[0].text.find("no such table: labs"), std::string::npos);
  EXPECT_EQ(form.Text1.Text(), "z");  // keys sent before the error are still delivered

  form.Text1.KeyPress = [](int32_t&) { throw std::out_of_range("Subscript out of range"); };
  fx.rt.TypeKeys("ab");
  EXPECT_EQ(fx.MessageTexts(), (std::vector<std::string>{"Quillworks: " + fx.svc.shown[0].text,
                                                         "Quillworks: Subscript out of range",
                                                         "Quillworks: Subscript out of range"}));
  EXPECT_EQ(form.Text1.Text(), "z");
}

TEST(EventErrorTest, ErrorsInNestedCallsTravelToTheOuterHandler) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  auto owned = std::make_unique<MenuForm>(fx.rt);
  MenuForm& menus = *owned;
  fx.rt.Register(std::move(owned));
  bool after = false;
  menus.Label1.Click = [&] { throw std::runtime_error("File not found: x.gif"); };
  form.Command1.Click = [&] {
    fx.rt.Click(menus.Label1);  // hidden form's label: not clickable, nothing happens
    menus.Show();
    fx.rt.Click(menus.Label1);
    after = true;
  };
  fx.rt.Click(form.Command1);
  EXPECT_FALSE(after);
  EXPECT_EQ(fx.MessageTexts(), (std::vector<std::string>{"Quillworks: File not found: x.gif"}));
}

TEST(EventErrorTest, AFailedLoadLeavesTheFormUnloadedAndTheNextLoadRunsAgain) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  auto owned = std::make_unique<MenuForm>(fx.rt);
  MenuForm& menus = *owned;
  fx.rt.Register(std::move(owned));
  menus.failLoad = true;
  form.Command1.Click = [&] { menus.Show(); };
  fx.rt.Click(form.Command1);
  EXPECT_EQ(fx.MessageTexts(), (std::vector<std::string>{"Quillworks: no such table: labs"}));
  EXPECT_FALSE(menus.IsLoaded());
  EXPECT_FALSE(menus.Visible());
  EXPECT_FALSE(menus.mnuItem.IsLoaded(3));
  EXPECT_EQ(menus.Label1.Caption, "design caption");
  EXPECT_EQ(fx.rt.Focused(), &form.Command1);  // the window that was active keeps the focus

  form.Unload();  // the failed form can't keep the program running
  EXPECT_FALSE(fx.rt.AnyLoaded());

  menus.failLoad = false;
  menus.Show();
  EXPECT_EQ(menus.loads, 2);
  EXPECT_TRUE(menus.Visible());
}

TEST(EventErrorTest, MsgBoxUsesTheApplicationTitleByDefault) {
  RuntimeFixture fx;
  fx.svc.answers.push_back(services::vbYes);
  EXPECT_EQ(fx.rt.MsgBox("Sure?", services::vbYesNo), services::vbYes);
  EXPECT_EQ(fx.rt.MsgBox("Sure?", services::vbYesNo, "Exit"), services::vbNo);
  EXPECT_EQ(fx.MessageTexts(), (std::vector<std::string>{"Quillworks: Sure?", "Exit: Sure?"}));
}

}  // namespace
}  // namespace rd::forms
