// Qt key events become the same keystrokes that the send-keys notation of driver scripts
// produces, so a console behaves alike in the window and in the driver.
#include "gui/key_translate.h"

#include <gtest/gtest.h>

#include <string>

namespace rd::gui {
namespace {

struct Case {
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  QString text;
  std::string sendKeys;  // the same keystroke in send-keys notation
};

void ExpectSame(const Case& c) {
  SCOPED_TRACE(c.sendKeys);
  const std::optional<forms::Key> key = ToFormsKey(c.qtKey, c.modifiers, c.text);
  ASSERT_TRUE(key.has_value());
  const forms::Key want = forms::ParseSendKeys(c.sendKeys).front();
  EXPECT_EQ(key->keyCode, want.keyCode);
  EXPECT_EQ(key->shift, want.shift);
  EXPECT_EQ(key->ascii, want.ascii);
}

TEST(KeyTranslate, TypedCharactersMatchSendKeys) {
  for (const Case& c : {
           Case{Qt::Key_A, Qt::NoModifier, "a", "a"},
           Case{Qt::Key_A, Qt::ShiftModifier, "A", "+a"},
           Case{Qt::Key_5, Qt::NoModifier, "5", "5"},
           Case{Qt::Key_Question, Qt::ShiftModifier, "?", "?"},
           Case{Qt::Key_Slash, Qt::NoModifier, "/", "/"},
           Case{Qt::Key_Space, Qt::NoModifier, " ", " "},
           Case{Qt::Key_Plus, Qt::ShiftModifier, "+", "{+}"},
           Case{Qt::Key_BraceRight, Qt::ShiftModifier, "}", "{}}"},
           Case{Qt::Key_Period, Qt::NoModifier, ".", "."},
       }) {
    ExpectSame(c);
  }
}

TEST(KeyTranslate, NamedAndControlKeysMatchSendKeys) {
  for (const Case& c : {
           Case{Qt::Key_Return, Qt::NoModifier, "\r", "{ENTER}"},
           Case{Qt::Key_Enter, Qt::KeypadModifier, "\r", "{ENTER}"},
           Case{Qt::Key_Backspace, Qt::NoModifier, "\b", "{BS}"},
           Case{Qt::Key_Up, Qt::NoModifier, "", "{UP}"},
           Case{Qt::Key_End, Qt::NoModifier, "", "{END}"},
           Case{Qt::Key_Delete, Qt::NoModifier, "", "{DEL}"},
           Case{Qt::Key_F1, Qt::NoModifier, "", "{F1}"},
           Case{Qt::Key_Escape, Qt::NoModifier, "\x1b", "{ESC}"},
           Case{Qt::Key_Backtab, Qt::ShiftModifier, "", "+{TAB}"},
           Case{Qt::Key_Z, Qt::ControlModifier, "\x1a", "^z"},
           Case{Qt::Key_AsciiCircum, Qt::ControlModifier | Qt::ShiftModifier, "\x1e", "^+6"},
           Case{Qt::Key_6, Qt::ControlModifier | Qt::ShiftModifier, "", "^+6"},
           Case{Qt::Key_X, Qt::AltModifier, "x", "%x"},
       }) {
    ExpectSame(c);
  }
}

TEST(KeyTranslate, CodesOfTheClassicToolkit) {
  EXPECT_EQ(ToFormsKey(Qt::Key_Z, Qt::ControlModifier, "")->ascii, 26);
  EXPECT_EQ(ToFormsKey(Qt::Key_6, Qt::ControlModifier | Qt::ShiftModifier, "")->ascii, 30);
  EXPECT_EQ(ToFormsKey(Qt::Key_Return, Qt::NoModifier, "\r")->ascii, 13);
  EXPECT_EQ(ToFormsKey(Qt::Key_Backspace, Qt::NoModifier, "")->ascii, 8);
  EXPECT_EQ(ToFormsKey(Qt::Key_F1, Qt::NoModifier, "")->keyCode, 112);
  // Caps Lock types a capital without Shift: the shift state says what was held.
  const forms::Key caps = *ToFormsKey(Qt::Key_Q, Qt::NoModifier, "Q");
  EXPECT_EQ(caps.ascii, 'Q');
  EXPECT_EQ(caps.keyCode, 'Q');
  EXPECT_EQ(caps.shift, 0);
  const forms::Key shift = *ToFormsKey(Qt::Key_Shift, Qt::ShiftModifier, "");
  EXPECT_EQ(shift.keyCode, forms::vbKeyShift);
  EXPECT_EQ(shift.ascii, 0);
}

// Every printable character reaches the runtime with its code point, also one typed with AltGr
// (Ctrl+Alt on some systems) and one outside the basic plane; a script types it the same way.
TEST(KeyTranslate, CharactersOutsideAsciiAreTyped) {
  for (const Case& c : {
           Case{Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"), "\xC3\xA9"},
           Case{Qt::Key_Udiaeresis, Qt::NoModifier, QString::fromUtf8("\xC3\xBC"), "\xC3\xBC"},
           Case{Qt::Key_sterling, Qt::NoModifier, QString::fromUtf8("\xC2\xA3"), "\xC2\xA3"},
           Case{Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"),
                "\xF0\x9F\x98\x80"},
       }) {
    ExpectSame(c);
  }
  EXPECT_EQ(ToFormsKey(Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"))->ascii, 0xE9);
  const forms::Key euro = *ToFormsKey(Qt::Key_E, Qt::ControlModifier | Qt::AltModifier,
                                      QString::fromUtf8("\xE2\x82\xAC"));
  EXPECT_EQ(euro.ascii, 0x20AC);
  EXPECT_EQ(euro.shift, forms::vbCtrlMask | forms::vbAltMask);
  EXPECT_EQ(ToFormsKey(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@")->ascii, '@');
  // An input method commits text of several characters at once; control codes type nothing.
  const std::vector<forms::Key> keys = KeysOfText(QString::fromUtf8("a\xC3\xA9\x01?"));
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].keyCode, 'A');
  EXPECT_EQ(keys[1].ascii, 0xE9);
  EXPECT_EQ(keys[2].ascii, '?');
}

TEST(KeyTranslate, KeysWithoutACodeAreNotForwarded) {
  EXPECT_FALSE(ToFormsKey(Qt::Key_VolumeUp, Qt::NoModifier, "").has_value());
  EXPECT_FALSE(ToFormsKey(Qt::Key_Eacute, Qt::AltModifier, QString::fromUtf8("\xC3\xA9")));
}

}  // namespace
}  // namespace rd::gui
