// Grid, timers, pictures, the web browser, lists and the scripted services.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "forms_test_support.h"

namespace rd::forms {
namespace {

using testing::RuntimeFixture;

class ControlsForm : public Form {
 public:
  explicit ControlsForm(Runtime& rt) : Form(rt, "Form3", "Controls") {
    Timer1.Interval = 1000;
    Timer2.Interval = 300;
    Timer2.Enabled = false;
    Combo1.AddItem("one");
    FinishDesign();
  }
  Grid MSFlexGrid1{*this, "MSFlexGrid1", 3, 2};
  Timer Timer1{*this, "Timer1"};
  Timer Timer2{*this, "Timer2"};
  ComboBox Combo1{*this, "Combo1"};
  PictureBox Picture1{*this, "Picture1"};
  WebBrowser WebBrowser1{*this, "WebBrowser1"};
};

class ControlsTest : public ::testing::Test, public RuntimeFixture {
 protected:
  void SetUp() override {
    auto owned = std::make_unique<ControlsForm>(rt);
    form = owned.get();
    rt.Register(std::move(owned));
    form->Show();
  }
  ControlsForm* form = nullptr;
};

TEST_F(ControlsTest, FormatStringSetsHeadingsAndColumnCount) {
  Grid& grid = form->MSFlexGrid1;
  grid.SetFormatString("<Index|^Sublab name|>Count");
  EXPECT_EQ(grid.Cols(), 3);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.TextMatrix(0, 0), "Index");
  EXPECT_EQ(grid.TextMatrix(0, 1), "Sublab name");
  EXPECT_EQ(grid.TextMatrix(0, 2), "Count");
  grid.Row = 2;
  grid.Col = 1;
  grid.SetText("ACL basics");
  EXPECT_EQ(grid.Text(), "ACL basics");
  EXPECT_EQ(grid.DisplayText(), "Index|Sublab name|Count\r\n||\r\n|ACL basics|");
  grid.Clear();
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Cols(), 3);
  EXPECT_EQ(grid.DisplayText(), "");  // empty rows at the end are not shown
}

TEST_F(ControlsTest, GridCellOutsideTheGridIsAnErrorReportedByTheEvent) {
  Grid& grid = form->MSFlexGrid1;
  grid.Row = 3;
  EXPECT_THROW(grid.SetText("x"), std::out_of_range);
  EXPECT_THROW(grid.TextMatrix(0, 2), std::out_of_range);
  rt.RunEvent([&] { grid.SetText("x"); });
  ASSERT_EQ(svc.shown.size(), 1u);
  EXPECT_EQ(svc.shown[0].text.rfind("Subscript out of range", 0), 0u);
  form->Unload();
  EXPECT_EQ(grid.Row, 0);  // design values back
  EXPECT_EQ(grid.Cols(), 2);
}

TEST_F(ControlsTest, TimersFireEachTimeTheirIntervalElapses) {
  std::vector<std::string> log;
  form->Timer1.Tick = [&] { log.push_back("t1"); };
  form->Timer2.Tick = [&] { log.push_back("t2"); };
  rt.Tick(2500);
  EXPECT_EQ(log.size(), 2u);
  rt.Tick(500);
  EXPECT_EQ(log.size(), 3u);
  log.clear();
  form->Timer1.Enabled = false;
  form->Timer2.Enabled = true;
  rt.Tick(1000);
  EXPECT_EQ(log, (std::vector<std::string>{"t2", "t2", "t2"}));
  // A handler that turns its timer off stops further ticks within the same advance.
  form->Timer2.Tick = [&] {
    log.push_back("last");
    form->Timer2.Enabled = false;
  };
  log.clear();
  rt.Tick(5000);
  EXPECT_EQ(log, (std::vector<std::string>{"last"}));
  // Timers of unloaded forms stand still.
  form->Unload();
  form->Timer2.Enabled = true;
  log.clear();
  rt.Tick(5000);
  EXPECT_TRUE(log.empty());
}

TEST_F(ControlsTest, TimerTicksRunAsEvents) {
  form->Timer1.Tick = [] { throw std::runtime_error("tick failed"); };
  rt.Tick(2000);
  EXPECT_EQ(svc.shown.size(), 2u);
}

TEST_F(ControlsTest, ComboChoiceRunsDropDownThenClick) {
  std::vector<std::string> log;
  ComboBox& combo = form->Combo1;
  combo.DropDown = [&] {
    log.push_back("dropdown");
    combo.Clear();
    combo.AddItem("R1");
    combo.AddItem("R2");
  };
  combo.Click = [&] { log.push_back("click " + combo.Text); };
  rt.DropDownAndChoose(combo, "R2");
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "click R2"}));
  EXPECT_EQ(combo.ListIndex, 1);
  EXPECT_EQ(combo.DisplayText(), "R1\r\nR2");
  EXPECT_THROW(rt.DropDownAndChoose(combo, "R3"), std::invalid_argument);
  form->Unload();
  EXPECT_EQ(combo.Items, (std::vector<std::string>{"one"}));
}

// A drop-down combo takes typed text at its end and Backspace (a whole UTF-8 letter at a time);
// a plain combo ignores typing.
TEST_F(ControlsTest, OnlyAnEditableComboTakesTypedText) {
  ComboBox& combo = form->Combo1;
  int changes = 0;
  combo.Change = [&] { ++changes; };
  rt.DropDownAndChoose(combo, "one");
  rt.RunEvent([&] { combo.SetFocus(); });
  rt.TypeKeys("x");
  EXPECT_EQ(combo.Text, "one");
  EXPECT_EQ(changes, 0);

  combo.Editable = true;
  rt.TypeKeys("R{%}\xc3\xa9{BS}{BS}7{ENTER}");
  EXPECT_EQ(combo.Text, "oneR7");
  EXPECT_EQ(combo.ListIndex, -1);
  EXPECT_EQ(changes, 6);
  rt.TypeKeys("{BS 9}");
  EXPECT_EQ(combo.Text, "");
  EXPECT_EQ(changes, 11);
}

class FileControlsTest : public ControlsTest {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  void SetUp() override {
    ControlsTest::SetUp();
    dir = std::filesystem::temp_directory_path() /
          ("rd_forms_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_F(FileControlsTest, LoadPictureChecksTheFileAndItsSignature) {
  const std::string gif = Write("logo.gif", "GIF89a\x01\x00");
  EXPECT_EQ(LoadPicture(gif), gif);
  std::filesystem::create_directories(dir / "diagrams");
  const std::string inFolder = Write("diagrams/lab.gif", "GIF87a");
  EXPECT_EQ(LoadPicture((dir / "diagrams\\lab.gif").string()), inFolder);
  EXPECT_NO_THROW(LoadPicture(Write("a.png", "\x89PNG\r\n\x1a\n....")));
  EXPECT_NO_THROW(LoadPicture(Write("a.jpg", "\xff\xd8\xff\xe0")));
  EXPECT_NO_THROW(LoadPicture(Write("a.bmp", "BM....")));
  const std::string text = Write("fake.gif", "hello");
  try {
    LoadPicture(text);
    FAIL() << "a text file is no picture";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(text), std::string::npos);
  }
  EXPECT_THROW(LoadPicture((dir / "missing.gif").string()), std::runtime_error);
  EXPECT_THROW(LoadPicture(dir.string()), std::runtime_error);
}

TEST_F(FileControlsTest, WebBrowserNavigatesOnlyToExistingFiles) {
  const std::string page = Write("commands.html", "<html></html>");
  form->WebBrowser1.Navigate(page);
  EXPECT_EQ(form->WebBrowser1.LocationURL(), page);
  EXPECT_THROW(form->WebBrowser1.Navigate((dir / "none.html").string()), std::runtime_error);
  EXPECT_EQ(form->WebBrowser1.LocationURL(), page);
}

TEST(ScriptedServicesTest, UnansweredBoxesTakeOkOrNo) {
  services::ScriptedServices svc;
  std::vector<std::string> seen;
  svc.onShown = [&](const services::ScriptedServices::Shown& s) { seen.push_back(s.kind); };
  EXPECT_EQ(svc.MsgBox("a", services::vbOKOnly | services::vbCritical, ""), services::vbOK);
  EXPECT_EQ(svc.MsgBox("b", services::vbYesNo | services::vbQuestion, "T"), services::vbNo);
  EXPECT_EQ(svc.MsgBox("c", services::vbOKCancel, "T"), services::vbOK);
  EXPECT_EQ(svc.MsgBox("c", 3 /* Yes, No, Cancel */, "T"), services::vbNo);
  svc.answers = {services::vbYes, services::vbCancel};
  EXPECT_EQ(svc.MsgBox("d", services::vbYesNo, "T"), services::vbYes);
  EXPECT_EQ(svc.MsgBox("e", services::vbOKCancel, "T"), services::vbCancel);
  EXPECT_EQ(svc.MsgBox("f", services::vbYesNo, "T"), services::vbNo);
  EXPECT_EQ(svc.shown[0].title, "Quillworks");
  EXPECT_EQ(svc.shown[1].title, "T");

  EXPECT_EQ(svc.FileDialog({}), std::nullopt);
  svc.fileAnswers = {std::string("lab.rcon"), std::nullopt};
  EXPECT_EQ(svc.FileDialog({}), "lab.rcon");
  EXPECT_EQ(svc.FileDialog({}), std::nullopt);
  // The print dialog shares the queue of the message boxes: a Cancel cancels it, an answer for
  // a message box behind it stays queued, and an unanswered dialog prints.
  svc.answers = {services::vbCancel, services::vbYes};
  EXPECT_FALSE(svc.ShowPrinter());
  EXPECT_EQ(svc.MsgBox("g", services::vbYesNo, "T"), services::vbYes);
  EXPECT_TRUE(svc.ShowPrinter());
  std::vector<std::string> jobs;
  svc.onPrinted = [&](const services::ScriptedServices::Printed& p) { jobs.push_back(p.title); };
  svc.PrintText("Card", "body");
  svc.ShowHelp("help/quillonhelp1.html");
  ASSERT_EQ(svc.printed.size(), 1u);
  EXPECT_EQ(svc.printed[0].text, "body");
  EXPECT_EQ(jobs, std::vector<std::string>{"Card"});
  EXPECT_EQ(seen, (std::vector<std::string>{"MSGBOX", "MSGBOX", "MSGBOX", "MSGBOX", "MSGBOX",
                                            "MSGBOX", "MSGBOX", "FILE", "FILE", "FILE", "PRINTER",
                                            "MSGBOX", "PRINTER", "HELP"}));
  EXPECT_EQ(svc.shown.back().text, "help/quillonhelp1.html");
}

}  // namespace
}  // namespace rd::forms
