// The mechanics a console built on a text box relies on: whole-text rewrite, keys sent by the
// handlers arriving after the key's own action, the one-keystroke block and the trailing line
// break. A tiny echo console drives the real runtime; the transcript is checked byte for byte.
#include <gtest/gtest.h>

#include "forms_test_support.h"

namespace rd::forms {
namespace {

using testing::RuntimeFixture;

class EchoConsole : public ::testing::Test, public RuntimeFixture {
 protected:
  void SetUp() override {
    form = &ShowConsole();
    box = &form->Text1;
    Rewrite("R>\r\n");
    box->SetSelStart(2);
    box->KeyDown = [this](int16_t& code, int16_t) {
      box->Locked = false;
      if (code == vbKeyDelete) box->Locked = true;
      if (code == vbKeyLeft) rt.SendKeys("{END}");
    };
    box->KeyPress = [this](int32_t& ascii) {
      if (ascii == 13) {
        // Echo the input line back, then a fresh prompt; the box adds the Enter's line break.
        const std::string& t = box->Text();
        const size_t lineStart = t.rfind("R>");
        const std::string command =
            t.substr(lineStart + 2, t.find("\r\n", lineStart) - lineStart - 2);
        Rewrite(t + "you typed " + command + "\r\nR>");
        rt.SendKeys("{UP}");
        rt.SendKeys("{END}");
      } else if (ascii == '?' || (ascii == 8 && CurrentLine().size() <= 2)) {
        box->Locked = true;
      }
    };
  }
  void Rewrite(const std::string& text) {
    box->SetSelStart(0);
    box->SetSelLength(static_cast<int>(box->Text().size()));
    box->SetSelText(text);
  }
  // The text of the caret's line up to the caret.
  std::string CurrentLine() const {
    const std::string before = box->Text().substr(0, static_cast<size_t>(box->SelStart()));
    const size_t lineBreak = before.rfind("\r\n");
    return lineBreak == std::string::npos ? before : before.substr(lineBreak + 2);
  }
  testing::ConsoleForm* form = nullptr;
  TextBox* box = nullptr;
};

TEST_F(EchoConsole, EnterRewritesThenTheSentKeysPutTheCaretOnTheNewPrompt) {
  rt.TypeKeys("ab~");
  EXPECT_EQ(box->Text(), "R>ab\r\nyou typed ab\r\nR>\r\n");
  EXPECT_EQ(box->SelStart(), static_cast<int>(box->Text().size()) - 2);  // end of "R>"
  rt.TypeKeys("cd~");
  EXPECT_EQ(box->Text(), "R>ab\r\nyou typed ab\r\nR>cd\r\nyou typed cd\r\nR>\r\n");
}

TEST_F(EchoConsole, BlockedKeysLeaveTheTranscriptAlone) {
  rt.TypeKeys("{BS}{BS}x?y{DEL}{LEFT}{LEFT}z");
  EXPECT_EQ(box->Text(), "R>xyz\r\n");
  rt.TypeKeys("{BS}{BS}{BS}{BS}{BS}");
  EXPECT_EQ(box->Text(), "R>\r\n");
}

}  // namespace
}  // namespace rd::forms
