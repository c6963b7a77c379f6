// A small window and runtime for the forms runtime tests.
#pragma once

#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/services/services.h"

namespace rd::forms::testing {

// A window with a multi-line console box, a single-line box and a button; handlers log into
// `log` so a test can check the order of events.
class ConsoleForm : public Form {
 public:
  explicit ConsoleForm(Runtime& rt, std::string name = "Form1")
      : Form(rt, std::move(name), "Console") {
    Text1.TabIndex = 0;
    Text2.TabIndex = 1;
    Command1.TabIndex = 2;
    Command1.Caption = "&OK";
    Command1.ToolTipText = "Accept.";
    Text2.SetText("design");
    FinishDesign();
  }
  void Form_Load() override {
    ++loads;
    log.push_back("Load");
  }
  void Form_Activate() override { log.push_back("Activate"); }
  void Form_Unload(int& cancel) override {
    log.push_back("Unload");
    cancel = cancelUnload;
  }
  TextBox Text1{*this, "Text1", true};
  TextBox Text2{*this, "Text2"};
  CommandButton Command1{*this, "Command1"};
  std::vector<std::string> log;
  int loads = 0;
  int cancelUnload = 0;
};

struct RuntimeFixture {
  services::ScriptedServices svc;
  Runtime rt{svc};
  // Registers and shows a console form; focus goes to its first box.
  ConsoleForm& ShowConsole(const std::string& name = "Form1") {
    auto form = std::make_unique<ConsoleForm>(rt, name);
    ConsoleForm& f = *form;
    rt.Register(std::move(form));
    f.Show();
    return f;
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> out;
    for (const auto& s : svc.shown) out.push_back(s.title + ": " + s.text);
    return out;
  }
};

}  // namespace rd::forms::testing
