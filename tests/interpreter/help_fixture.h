// Fixture of the "?" help tests: the interpreter fixture plus a stand-in console window
// "Form2" whose multi-line text box "Text1" records the keys that reach it.
#pragma once

#include <functional>
#include <memory>

#include "interpreter_fixture.h"
#include "platform/forms/forms.h"

namespace rd::test {

class ConsoleStandIn : public forms::Form {
 public:
  explicit ConsoleStandIn(forms::Runtime& rt)
      : Form(rt, "Form2", "console"), Text1(*this, "Text1", true) {
    Text1.KeyDown = [this](int16_t& keyCode, int16_t) { keyCodes.push_back(keyCode); };
    FinishDesign();
  }
  forms::TextBox Text1;
  std::vector<int16_t> keyCodes;  // every key that reached the box, in order
};

class HelpTest : public InterpreterTest {
 protected:
  void SetUp() override {
    InterpreterTest::SetUp();
    auto form = std::make_unique<ConsoleStandIn>(rt_);
    console_ = form.get();
    rt_.Register(std::move(form));
    console_->Show();
    console_->Text1.SetFocus();
  }

  // Runs `help` as the handler of one key event on a console showing `screen`, in mode
  // `prompt`, and returns the console text afterwards.
  std::string Screen(const std::string& prompt, const std::string& screen,
                     const std::function<void()>& help) {
    g.gPrompt = prompt;
    console_->Text1.SetText(screen);
    console_->keyCodes.clear();
    rt_.RunEvent(help);
    return console_->Text1.Text();
  }

  ConsoleStandIn* console_ = nullptr;
};

}  // namespace rd::test
