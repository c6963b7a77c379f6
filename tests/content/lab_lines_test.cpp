// The lines students type in introductory labs (lab_lines.cpp), typed at the router simulator
// of the built run folder through its windows, session by session. Each line is accepted when
// the console answers it without an error message (and, where the list says so, in the mode a
// real device would be in); each configuration line that the device model keeps must show in
// the show command the list names. The list, the verdict per line and the share accepted per
// area are printed.
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>

#include "app/app_host.h"
#include "content/lab_lines.h"
#include "content/shipped_content.h"
#include "support/literal_keys.h"
#include "terminal/form1.h"
#include "terminal/form2.h"

namespace rd::test {
namespace {

namespace fs = std::filesystem;

// What the console prints for a line it does not carry out.
constexpr const char* kRefusals[] = {"Command Not Found", "incomplete command", "ambigious command",
                                     "command is disabled", "This address is already assigned"};

std::string WithoutCr(const std::string& text) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != '\r'; });
  return out;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The screen without the line breaks after its last text: the console keeps one after the
// line being typed.
std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

struct Tally {
  int typed = 0;
  int accepted = 0;
};

// The router simulator of a copy of the built run folder, opened from the main window.
class Simulator {
 public:
  explicit Simulator(const fs::path& folder) {
    fs::copy(folder, fs::current_path(), fs::copy_options::recursive);
    host_ = MakeApp(services_);
    if (!host_->Start()) throw std::runtime_error("the program did not start");
    auto& main = host_->ui().GetForm("Form17");
    host_->ui().ChooseMenu(dynamic_cast<forms::Menu&>(*main.FindControl("mnursim", -1)));
  }

  Module1& g() { return host_->app().g; }
  std::string Screen() { return WithoutCr(Terminal().Text1.Text()); }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& shown : services_.shown) texts.push_back(shown.text);
    services_.shown.clear();
    return texts;
  }

  // Chooses `device` in the network diagram and starts its console session.
  void Open(const std::string& device, const std::string& login) {
    forms::Runtime& ui = host_->ui();
    ui.Click(Terminal().Command3);
    Form1& diagram = ui.Get<Form1>("Form1");
    ui.DropDownAndChoose(diagram.Combo1, device);
    ui.Click(diagram.Command1);
    Keys("~");
    if (EndsWith(Trimmed(Screen()), "password:")) Keys(Literal(login) + "~");
  }

  // Types `line` and Enter, answers a password prompt, pages through long output, and returns
  // what the console printed after the line.
  std::string Type(const std::string& line, const std::string& answer) {
    const size_t before = Screen().size();
    Keys(Literal(line) + "~");
    if (EndsWith(Trimmed(Screen()), "password:") && !answer.empty()) {
      Keys(Literal(answer) + "~");
    }
    bool paged = false;
    for (; EndsWith(Trimmed(Screen()), "--MORE--"); paged = true) Keys(" ");
    const std::string screen = Screen();
    // An empty line after the last page leaves a fresh prompt for the next line.
    if (paged) Keys("~");
    // The typed line replaces the line break that ended the screen before.
    const size_t from = std::min(before > 0 ? before - 1 : 0, screen.size());
    const size_t at = screen.find(line, from);
    return at == std::string::npos ? screen.substr(from) : screen.substr(at + line.size());
  }

 private:
  Form2& Terminal() { return host_->ui().Get<Form2>("Form2"); }
  // Types into the console, as a user who clicks into it first.
  void Keys(const std::string& keys) {
    forms::Runtime& ui = host_->ui();
    forms::TextBox& console = Terminal().Text1;
    if (ui.Focused() != &console) ui.RunEvent([&console] { console.SetFocus(); });
    ui.TypeKeys(keys);
  }

  services::ScriptedServices services_;
  std::unique_ptr<AppHost> host_;
};

bool IsConfigurationMode(const std::string& prompt) {
  return prompt.size() > 2 && prompt.front() == '(' && EndsWith(prompt, ")#");
}

// The first refusal message in `output`, or empty text.
std::string Refusal(const std::string& output) {
  for (const char* message : kRefusals) {
    if (output.find(message) != std::string::npos) return message;
  }
  return "";
}

class LabLines : public ShippedContent {};

TEST_F(LabLines, IntroductoryLabLinesAreAcceptedAndShown) {
  ASSERT_TRUE(fs::exists(BuiltRunDir() / "commandsbackup.mdb")) << "build the run folder first";
  fs::create_directory("sim");
  fs::current_path("sim");
  Simulator sim(BuiltRunDir());

  std::map<std::string, Tally> areas;
  Tally all;
  int notShown = 0;
  for (const LabSession& session : IntroductoryLabSessions()) {
    std::cout << "--- session on " << session.device << "\n";
    sim.Open(session.device, session.login);
    std::vector<const LabLine*> checks;
    for (const LabLine& l : session.lines) {
      const std::string output = sim.Type(l.line, l.answer);
      std::string verdict = Refusal(output);
      for (const std::string& message : sim.Messages()) {
        ADD_FAILURE() << l.line << " showed the message " << message;
        verdict = "message box";
      }
      if (verdict.empty() && !l.mode.empty() && sim.g().gPrompt != l.mode) {
        verdict = "left the mode " + sim.g().gPrompt + " (a device is in " + l.mode + ")";
      }
      const bool accepted = verdict.empty();
      ++areas[l.area].typed;
      ++all.typed;
      areas[l.area].accepted += accepted;
      all.accepted += accepted;
      std::cout << (accepted ? "  accepted  " : "  REFUSED   ") << std::left << std::setw(30)
                << l.area << l.line << (accepted ? "" : "   <- " + verdict) << "\n";
      if (accepted && !l.show.empty()) checks.push_back(&l);
    }
    // The settings, as the show commands print them at the end of the session.
    if (!checks.empty() && IsConfigurationMode(sim.g().gPrompt)) sim.Type("end", "");
    if (!checks.empty() && sim.g().gPrompt == ">") sim.Type("enable", "class");
    for (const LabLine* l : checks) {
      const bool shown = sim.Type(l->show, "").find(l->reflects) != std::string::npos;
      notShown += !shown;
      std::cout << (shown ? "  shown     " : "  NOT SHOWN ") << l->line << "   (" << l->show
                << ")\n";
      EXPECT_TRUE(shown) << l->show << " does not show what " << l->line << " set: " << l->reflects;
    }
  }

  std::cout << "--- accepted per area\n";
  for (const auto& [area, t] : areas) {
    std::cout << "  " << std::left << std::setw(30) << area << t.accepted << " of " << t.typed
              << " (" << (100 * t.accepted / t.typed) << "%)\n";
  }
  std::cout << "  " << std::left << std::setw(30) << "all" << all.accepted << " of " << all.typed
            << " (" << (100 * all.accepted / all.typed) << "%)\n";
  EXPECT_GE(all.typed, 150);
  EXPECT_GE(all.accepted * 10, all.typed * 9) << "fewer than 90% of the lines are accepted";
  EXPECT_EQ(notShown, 0);
}

}  // namespace
}  // namespace rd::test
