// Send-keys notation and the send-keys queue.
#include <gtest/gtest.h>

#include <stdexcept>

#include "forms_test_support.h"

namespace rd::forms {

bool operator==(const Key& a, const Key& b) {
  return a.keyCode == b.keyCode && a.shift == b.shift && a.ascii == b.ascii;
}

void PrintTo(const Key& k, std::ostream* os) {
  *os << "{" << k.keyCode << "," << k.shift << "," << k.ascii << "}";
}

namespace {

using testing::ConsoleForm;
using testing::RuntimeFixture;

TEST(ParseSendKeysTest, NamedKeys) {
  EXPECT_EQ(ParseSendKeys("{UP}{DOWN}{LEFT}{RIGHT}{END}{HOME}"),
            (std::vector<Key>{{vbKeyUp, 0, 0},
                              {vbKeyDown, 0, 0},
                              {vbKeyLeft, 0, 0},
                              {vbKeyRight, 0, 0},
                              {vbKeyEnd, 0, 0},
                              {vbKeyHome, 0, 0}}));
  EXPECT_EQ(ParseSendKeys("{BACKSPACE}{BS}{DELETE}{DEL}{TAB}{ENTER}~{F1}{ESC}"),
            (std::vector<Key>{{vbKeyBack, 0, 8},
                              {vbKeyBack, 0, 8},
                              {vbKeyDelete, 0, 0},
                              {vbKeyDelete, 0, 0},
                              {vbKeyTab, 0, 9},
                              {vbKeyReturn, 0, 13},
                              {vbKeyReturn, 0, 13},
                              {vbKeyF1, 0, 0},
                              {vbKeyEscape, 0, 27}}));
  EXPECT_EQ(ParseSendKeys("{up}{Left 3}").size(), 4u);
}

TEST(ParseSendKeysTest, CharactersAsAUsKeyboardTypesThem) {
  EXPECT_EQ(ParseSendKeys("aZ5 ?"), (std::vector<Key>{{'A', 0, 'a'},
                                                      {'Z', vbShiftMask, 'Z'},
                                                      {'5', 0, '5'},
                                                      {vbKeySpace, 0, ' '},
                                                      {191, vbShiftMask, '?'}}));
  EXPECT_EQ(ParseSendKeys("#-"), (std::vector<Key>{{'3', vbShiftMask, '#'}, {189, 0, '-'}}));
}

TEST(ParseSendKeysTest, ModifiersApplyToTheNextKeyOnly) {
  EXPECT_EQ(ParseSendKeys("+ab"), (std::vector<Key>{{'A', vbShiftMask, 'A'}, {'B', 0, 'b'}}));
  EXPECT_EQ(ParseSendKeys("^z"), (std::vector<Key>{{'Z', vbCtrlMask, 26}}));
  EXPECT_EQ(ParseSendKeys("^Z"), (std::vector<Key>{{'Z', vbCtrlMask | vbShiftMask, 26}}));
  EXPECT_EQ(ParseSendKeys("^+6"), (std::vector<Key>{{'6', vbCtrlMask | vbShiftMask, 30}}));
  EXPECT_EQ(ParseSendKeys("^{^}"), (std::vector<Key>{{'6', vbCtrlMask | vbShiftMask, 30}}));
  EXPECT_EQ(ParseSendKeys("^6"), (std::vector<Key>{{'6', vbCtrlMask, 0}}));
  EXPECT_EQ(ParseSendKeys("%f"), (std::vector<Key>{{'F', vbAltMask, 0}}));
  EXPECT_EQ(ParseSendKeys("+{TAB}"), (std::vector<Key>{{vbKeyTab, vbShiftMask, 9}}));
  EXPECT_EQ(ParseSendKeys("+1"), (std::vector<Key>{{'1', vbShiftMask, '!'}}));
}

TEST(ParseSendKeysTest, BracesQuoteSpecialCharacters) {
  std::string typed;
  for (const Key& k : ParseSendKeys("{+}{^}{%}{~}{{}{}}{(}x")) typed += static_cast<char>(k.ascii);
  EXPECT_EQ(typed, "+^%~{}(x");
}

// A character outside ASCII is one keystroke with its code point (UTF-8 text, in braces too).
TEST(ParseSendKeysTest, CharactersOutsideAsciiAreOneKeyEach) {
  EXPECT_EQ(
      ParseSendKeys("\xC3\xA9\xC2\xA3{\xC3\xBC}+\xF0\x9F\x98\x80"),
      (std::vector<Key>{{0, 0, 0xE9}, {0, 0, 0xA3}, {0, 0, 0xFC}, {0, vbShiftMask, 0x1F600}}));
  EXPECT_EQ(ParseSendKeys("{\xC3\xA9 2}").size(), 2u);
  for (const char* bad : {"caf\xE9", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xC2\x85"}) {
    EXPECT_THROW(ParseSendKeys(bad), std::invalid_argument) << bad;
  }
}

TEST(ParseSendKeysTest, MalformedTextIsRejected) {
  for (const char* bad : {"{UP", "{}", "{NOSUCH}", "}", "^", "a+", "{LEFT x}", "a\tb"}) {
    EXPECT_THROW(ParseSendKeys(bad), std::invalid_argument) << bad;
  }
  EXPECT_TRUE(ParseSendKeys("").empty());
}

class SendKeysQueueTest : public ::testing::Test, public RuntimeFixture {
 protected:
  void SetUp() override { form = &ShowConsole(); }
  ConsoleForm* form = nullptr;
  std::vector<std::string> log;
};

// Keys a handler sends arrive after the current key has been handled completely (its own
// action included), in the order sent; keys sent while a sent key is delivered go to the back.
TEST_F(SendKeysQueueTest, SentKeysArriveAfterTheCurrentEventInOrder) {
  TextBox& box = form->Text1;
  box.KeyDown = [&](int16_t& code, int16_t) {
    log.push_back("down " + std::to_string(code) + " [" + box.Text() + "]");
    if (code == vbKeyEnd) rt.SendKeys("{LEFT}");
  };
  box.KeyPress = [&](int32_t& ascii) {
    log.push_back("press " + std::string(1, static_cast<char>(ascii)));
    if (ascii == 'q') {
      box.SetSelStart(0);
      box.SetSelLength(static_cast<int>(box.Text().size()));
      box.SetSelText("R>");
      rt.SendKeys("{END}");
      rt.SendKeys("{HOME}");
      log.push_back("handler done");
    }
  };
  rt.TypeKeys("q");
  EXPECT_EQ(log, (std::vector<std::string>{"down 81 []", "press q", "handler done", "down 35 [R>q]",
                                           "down 36 [R>q]", "down 37 [R>q]"}));
  EXPECT_EQ(box.SelStart(), 0);
}

TEST_F(SendKeysQueueTest, KeysSentOutsideAnEventArriveAtOnce) {
  rt.SendKeys("ab");
  EXPECT_EQ(form->Text1.Text(), "ab");
}

TEST_F(SendKeysQueueTest, SentKeysWaitForTheWholeOuterEvent) {
  form->Command1.Click = [&] {
    rt.SendKeys("x");
    form->Text1.SetFocus();
    log.push_back("text " + form->Text1.Text());
  };
  form->Text1.KeyPress = [&](int32_t&) { log.push_back("press"); };
  rt.Click(form->Command1);
  EXPECT_EQ(log, (std::vector<std::string>{"text ", "press"}));
  EXPECT_EQ(form->Text1.Text(), "x");  // delivered to the control focused at delivery
}

TEST_F(SendKeysQueueTest, ObserversHearOnceAfterTheQueueIsEmpty) {
  struct Counter : Observer {
    TextBox* box;
    std::vector<std::string> seen;
    void AfterEvent() override { seen.push_back(box->Text()); }
  } counter;
  counter.box = &form->Text1;
  rt.AddObserver(&counter);
  form->Text1.KeyPress = [&](int32_t& ascii) {
    if (ascii == 'a') rt.SendKeys("bc");
  };
  rt.TypeKeys("a");
  EXPECT_EQ(counter.seen, (std::vector<std::string>{"abc"}));
  rt.RemoveObserver(&counter);
  rt.TypeKeys("d");
  EXPECT_EQ(counter.seen.size(), 1u);
}

}  // namespace
}  // namespace rd::forms
