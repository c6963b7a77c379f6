// The text box key path: handler order, the Locked block, editing and caret movement.
#include <gtest/gtest.h>

#include "forms_test_support.h"

namespace rd::forms {
namespace {

using testing::ConsoleForm;
using testing::RuntimeFixture;

class KeyPathTest : public ::testing::Test, public RuntimeFixture {
 protected:
  void SetUp() override {
    form = &ShowConsole();
    box = &form->Text1;
    box->KeyDown = [this](int16_t& code, int16_t shift) {
      log.push_back("KeyDown " + std::to_string(code) + "/" + std::to_string(shift) + " [" +
                    box->Text() + "]");
    };
    box->KeyPress = [this](int32_t& ascii) {
      log.push_back("KeyPress " + std::to_string(ascii) + " [" + box->Text() + "]");
    };
  }
  // Sets the text and puts the caret at pos.
  void Place(const std::string& text, int pos) {
    box->SetText(text);
    box->SetSelStart(pos);
  }
  ConsoleForm* form = nullptr;
  TextBox* box = nullptr;
  std::vector<std::string> log;
};

TEST_F(KeyPathTest, CharacterKeyRunsKeyDownThenKeyPressThenInserts) {
  ASSERT_EQ(rt.Focused(), box);
  rt.TypeKeys("a?");
  EXPECT_EQ(log, (std::vector<std::string>{"KeyDown 65/0 []", "KeyPress 97 []", "KeyDown 191/1 [a]",
                                           "KeyPress 63 [a]"}));
  EXPECT_EQ(box->Text(), "a?");
  EXPECT_EQ(box->SelStart(), 2);
}

TEST_F(KeyPathTest, KeysWithoutCharacterSkipKeyPress) {
  Place("ab", 2);
  rt.TypeKeys("{LEFT}{DEL}");
  EXPECT_EQ(log, (std::vector<std::string>{"KeyDown 37/0 [ab]", "KeyDown 46/0 [ab]"}));
  EXPECT_EQ(box->Text(), "a");
}

// The console's blocker: KeyPress locks the box for the character being typed, and the next
// KeyDown unlocks it, so exactly one keystroke is kept out.
TEST_F(KeyPathTest, LockedSetInKeyPressBlocksOnlyThatKeystroke) {
  box->KeyDown = [this](int16_t&, int16_t) { box->Locked = false; };
  box->KeyPress = [this](int32_t& ascii) {
    if (ascii == 'x') box->Locked = true;
  };
  rt.TypeKeys("axb{BS}");
  EXPECT_EQ(box->Text(), "a");
  EXPECT_FALSE(box->Locked);
  rt.TypeKeys("x");
  EXPECT_TRUE(box->Locked);
  EXPECT_EQ(box->Text(), "a");
  rt.TypeKeys("{LEFT}c");  // caret keys move while locked; the next KeyDown releases the lock
  EXPECT_EQ(box->Text(), "ca");
}

TEST_F(KeyPathTest, LockedBlocksEditingButNotCaretMovement) {
  Place("ab\r\ncd", 6);
  box->Locked = true;
  rt.TypeKeys("x{BS}{ENTER}{UP}");
  EXPECT_EQ(box->Text(), "ab\r\ncd");
  EXPECT_EQ(box->SelStart(), 2);
  rt.TypeKeys("{DEL}{HOME}{DEL}");
  EXPECT_EQ(box->Text(), "ab\r\ncd");
  EXPECT_EQ(box->SelStart(), 0);
}

TEST_F(KeyPathTest, DeleteBlockedByLockedSetInKeyDown) {
  Place("abc", 1);
  box->KeyDown = [this](int16_t& code, int16_t) { box->Locked = code == vbKeyDelete; };
  rt.TypeKeys("{DEL}");
  EXPECT_EQ(box->Text(), "abc");
  rt.TypeKeys("{RIGHT}{BS}");
  EXPECT_EQ(box->Text(), "ac");
}

TEST_F(KeyPathTest, KeyPressCanCancelOrReplaceTheCharacter) {
  box->KeyPress = [](int32_t& ascii) {
    if (ascii == '!') ascii = 0;
    if (ascii >= 'a' && ascii <= 'z') ascii = static_cast<int16_t>(ascii - 32);
  };
  rt.TypeKeys("a!b");
  EXPECT_EQ(box->Text(), "AB");
}

TEST_F(KeyPathTest, EnterBreaksTheLineOnlyInMultiLineBoxes) {
  rt.TypeKeys("ab~c");
  EXPECT_EQ(box->Text(), "ab\r\nc");
  form->Text2.SetFocus();
  form->Text2.SetText("");
  rt.TypeKeys("ab{ENTER}c");
  EXPECT_EQ(form->Text2.Text(), "abc");
}

TEST_F(KeyPathTest, ControlCharactersReachKeyPressButInsertNothing) {
  rt.TypeKeys("^z^+6{ESC}");
  EXPECT_EQ(log, (std::vector<std::string>{"KeyDown 90/2 []", "KeyPress 26 []", "KeyDown 54/3 []",
                                           "KeyPress 30 []", "KeyDown 27/0 []", "KeyPress 27 []"}));
  EXPECT_EQ(box->Text(), "");
}

TEST_F(KeyPathTest, BackspaceAndDeleteTakeCrLfAsOneCharacter) {
  Place("ab\r\ncd", 4);
  rt.TypeKeys("{BS}");
  EXPECT_EQ(box->Text(), "abcd");
  EXPECT_EQ(box->SelStart(), 2);
  Place("ab\r\ncd", 2);
  rt.TypeKeys("{DEL}");
  EXPECT_EQ(box->Text(), "abcd");
  Place("ab", 0);
  rt.TypeKeys("{BS}");
  EXPECT_EQ(box->Text(), "ab");
}

// UTF-8 text: a character of several bytes is inserted whole, and Backspace, Delete, Left and
// Right take it as one; the caret never stands inside it, and MaxLength counts characters.
TEST_F(KeyPathTest, CharactersOfSeveralBytesAreEditedWhole) {
  rt.TypeKeys("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(log[1], "KeyPress 97 []");
  EXPECT_EQ(log[3], "KeyPress 233 [a]");
  EXPECT_EQ(log[5], "KeyPress 8364 [a\xC3\xA9]");
  EXPECT_EQ(box->Text(), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  rt.TypeKeys("{BS}");
  EXPECT_EQ(box->Text(), "a\xC3\xA9\xE2\x82\xAC");
  rt.TypeKeys("{LEFT}");
  EXPECT_EQ(box->SelStart(), 3);
  rt.TypeKeys("{DEL}{LEFT}{BS}");
  EXPECT_EQ(box->Text(), "\xC3\xA9");
  EXPECT_EQ(box->SelStart(), 0);
  rt.TypeKeys("{RIGHT}");
  EXPECT_EQ(box->SelStart(), 2);

  Place("x\xC3\xA9y", 2);  // inside the "é": the caret stands before it
  EXPECT_EQ(box->SelStart(), 1);
  box->SetSelLength(1);
  EXPECT_EQ(box->SelText(), "");
  box->SetSelLength(2);
  EXPECT_EQ(box->SelText(), "\xC3\xA9");

  Place("", 0);
  box->MaxLength = 2;
  rt.TypeKeys("\xC3\xBC\xC3\xBC\xC3\xBC");
  EXPECT_EQ(box->Text(), "\xC3\xBC\xC3\xBC");
}

TEST_F(KeyPathTest, TypingReplacesTheSelection) {
  Place("hello world", 6);
  box->SetSelLength(5);
  rt.TypeKeys("there");
  EXPECT_EQ(box->Text(), "hello there");
  box->SetSelStart(0);
  box->SetSelLength(5);
  rt.TypeKeys("{BS}");
  EXPECT_EQ(box->Text(), " there");
}

TEST_F(KeyPathTest, MaxLengthLimitsTypingOnly) {
  box->MaxLength = 3;
  rt.TypeKeys("abcd~");
  EXPECT_EQ(box->Text(), "abc");
  box->SetText("longer than three");
  EXPECT_EQ(box->Text(), "longer than three");
}

// The console relies on these: after a rewrite ending in CR LF the caret is on the empty last
// line; Up moves onto the prompt line keeping the column (0), End goes to the line's end.
TEST_F(KeyPathTest, UpDownKeepTheColumnAndClampToTheLineLength) {
  const std::string text = "Router>show\r\nlong line here\r\nR>\r\n";
  box->SetSelStart(0);
  box->SetSelLength(static_cast<int>(box->Text().size()));
  box->SetSelText(text);
  ASSERT_EQ(box->SelStart(), static_cast<int>(text.size()));
  rt.TypeKeys("{UP}");
  EXPECT_EQ(box->SelStart(), 29);  // start of "R>"
  rt.TypeKeys("{END}");
  EXPECT_EQ(box->SelStart(), 31);
  rt.TypeKeys("{UP}");
  EXPECT_EQ(box->SelStart(), 15);  // column 2 of "long line here"
  rt.TypeKeys("{END}{UP}");
  EXPECT_EQ(box->SelStart(), 11);  // column 14 clamped to the end of "Router>show"
  rt.TypeKeys("{UP}");
  EXPECT_EQ(box->SelStart(), 11);  // first line: Up stays
  rt.TypeKeys("{DOWN}{DOWN}");
  EXPECT_EQ(box->SelStart(), 31);  // column 11 clamped to the end of "R>"
  rt.TypeKeys("{DOWN}{DOWN}");
  EXPECT_EQ(box->SelStart(), 33);  // the empty last line, then stays
  rt.TypeKeys("{HOME}{UP}{HOME}");
  EXPECT_EQ(box->SelStart(), 29);
}

TEST_F(KeyPathTest, LeftAndRightStepOverCrLf) {
  Place("a\r\nb", 3);
  rt.TypeKeys("{LEFT}");
  EXPECT_EQ(box->SelStart(), 1);
  rt.TypeKeys("{RIGHT}");
  EXPECT_EQ(box->SelStart(), 3);
  rt.TypeKeys("{RIGHT}{RIGHT}");
  EXPECT_EQ(box->SelStart(), 4);
  rt.TypeKeys("^{HOME}");
  EXPECT_EQ(box->SelStart(), 0);
  rt.TypeKeys("{LEFT}^{END}");
  EXPECT_EQ(box->SelStart(), 4);
}

// A caret placed between CR and LF (the console puts it one before the end of a transcript that
// ends in a line break) stands at the end of that line, so End keeps it there.
TEST_F(KeyPathTest, CaretNeverStandsInsideCrLf) {
  Place("R1>\r\n", 4);
  EXPECT_EQ(box->SelStart(), 3);
  rt.TypeKeys("{END}");
  EXPECT_EQ(box->SelStart(), 3);
  rt.TypeKeys("x");
  EXPECT_EQ(box->Text(), "R1>x\r\n");
}

TEST_F(KeyPathTest, SingleLineBoxTakesUpAndDownAsLeftAndRight) {
  form->Text2.SetFocus();
  form->Text2.SetSelStart(3);
  rt.TypeKeys("{UP}");
  EXPECT_EQ(form->Text2.SelStart(), 2);
  rt.TypeKeys("{DOWN}{DOWN}");
  EXPECT_EQ(form->Text2.SelStart(), 4);
}

TEST(TextBoxTest, SetTextSelectionAndChange) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  TextBox& box = form.Text1;
  int changes = 0;
  box.Change = [&] { ++changes; };
  box.SetText("hello");
  EXPECT_EQ(box.SelStart(), 0);
  EXPECT_EQ(changes, 1);
  box.SetText("hello");
  EXPECT_EQ(changes, 1);  // same text: no change
  box.SetSelStart(99);
  EXPECT_EQ(box.SelStart(), 5);
  box.SetSelStart(1);
  box.SetSelLength(99);
  EXPECT_EQ(box.SelLength(), 4);
  EXPECT_EQ(box.SelText(), "ello");
  const uint64_t revision = box.TextRevision();
  box.SetSelText("ELP");
  EXPECT_EQ(box.Text(), "hELP");
  EXPECT_EQ(box.SelStart(), 4);
  EXPECT_EQ(box.SelLength(), 0);
  EXPECT_EQ(changes, 2);
  EXPECT_GT(box.TextRevision(), revision);
  // The whole-text rewrite leaves the caret at the end.
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(box.Text().size()));
  box.SetSelText("R>\r\n");
  EXPECT_EQ(box.SelStart(), 4);
}

TEST(TextBoxTest, PasswordCharMasksTheDisplayedText) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  form.Text2.SetText("secret");
  form.Text2.PasswordChar = "*";
  EXPECT_EQ(form.Text2.DisplayText(), "******");
  EXPECT_EQ(form.Text2.Text(), "secret");
  form.Text2.SetText(
      "s\xC3\xA9"
      "c");  // one mark per character, whatever its bytes
  EXPECT_EQ(form.Text2.DisplayText(), "***");
}

TEST(FocusTest, TabMovesThroughTabStopsInTabIndexOrder) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  form.Text1.TabIndex = 2;
  form.Command1.TabIndex = 0;
  form.Text2.TabIndex = 1;
  std::vector<std::string> log;
  form.Text2.GotFocus = [&] { log.push_back("Text2 got"); };
  form.Text1.LostFocus = [&] { log.push_back("Text1 lost"); };
  ASSERT_EQ(fx.rt.Focused(), &form.Text1);
  fx.rt.TypeKeys("{TAB}");
  EXPECT_EQ(fx.rt.Focused(), &form.Command1);  // wraps around
  fx.rt.TypeKeys("{TAB}");
  EXPECT_EQ(fx.rt.Focused(), &form.Text2);
  EXPECT_EQ(log, (std::vector<std::string>{"Text1 lost", "Text2 got"}));
  form.Text1.Visible = false;  // hidden, disabled and non-tab-stop controls are skipped
  form.Command1.TabStop = false;
  fx.rt.TypeKeys("{TAB}");
  EXPECT_EQ(fx.rt.Focused(), &form.Text2);
  form.Text1.Visible = true;
  fx.rt.TypeKeys("+{TAB}");
  EXPECT_EQ(fx.rt.Focused(), &form.Text1);
  EXPECT_EQ(form.Text1.Text(), "");  // a text box does not take the Tab character
}

TEST(FocusTest, EnterOrSpaceOnAFocusedButtonClicksIt) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  int clicks = 0;
  form.Command1.Click = [&] { ++clicks; };
  form.Command1.SetFocus();
  fx.rt.TypeKeys("~ x");
  EXPECT_EQ(clicks, 2);
}

TEST(FocusTest, FormPreviewsF1AndGetsKeysWhenNothingHasFocus) {
  RuntimeFixture fx;
  ConsoleForm& form = fx.ShowConsole();
  std::vector<std::string> log;
  form.KeyDown = [&](int16_t& code, int16_t) { log.push_back("form " + std::to_string(code)); };
  form.Text1.KeyDown = [&](int16_t& code, int16_t) {
    log.push_back("box " + std::to_string(code));
  };
  fx.rt.TypeKeys("{F1}a");
  EXPECT_EQ(log, (std::vector<std::string>{"form 112", "box 112", "box 65"}));
  log.clear();
  form.KeyDown = [&](int16_t& code, int16_t) {
    log.push_back("form " + std::to_string(code));
    code = 0;  // a form that handles the key keeps it from the control
  };
  fx.rt.SetFocus(nullptr);
  fx.rt.TypeKeys("{F1}b");
  EXPECT_EQ(log, (std::vector<std::string>{"form 112", "form 66"}));
  EXPECT_EQ(form.Text1.Text(), "a");
}

// A window's menu activates that window before its handler runs, so the F1 that a help item
// sends reaches the window whose menu was used, not the one that had the focus.
TEST(FocusTest, ChoosingAMenuItemActivatesItsWindowFirst) {
  RuntimeFixture fx;
  ConsoleForm& main = fx.ShowConsole("Main");
  Menu help(main, "mnucont", "&Contents", nullptr);
  ConsoleForm& other = fx.ShowConsole("Other");
  ASSERT_EQ(&fx.rt.Focused()->Parent(), &other);
  std::vector<std::string> log;
  main.KeyDown = [&](int16_t& code, int16_t) { log.push_back("main " + std::to_string(code)); };
  other.KeyDown = [&](int16_t& code, int16_t) { log.push_back("other " + std::to_string(code)); };
  help.Click = [&] { fx.rt.SendKeys("{F1}"); };
  fx.rt.ChooseMenu(help);
  EXPECT_EQ(log, (std::vector<std::string>{"main 112"}));
}

}  // namespace
}  // namespace rd::forms
