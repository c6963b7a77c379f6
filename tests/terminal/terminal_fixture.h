// Test fixture of the terminal: a fresh working folder with the shared terminal fixture
// database, the terminal's windows and the main window on a scripted runtime.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/forms/forms.h"
#include "platform/services/services.h"
#include "shell/app.h"
#include "shell/form17.h"
#include "support/device_cells.h"
#include "support/test_workdir.h"
#include "terminal/form2.h"
#include "terminal/terminal_windows.h"

namespace rd::test {

// Scripted services that also keep the last file dialog's request.
class RecordingServices : public services::ScriptedServices {
 public:
  std::optional<std::string> FileDialog(const services::FileDialogRequest& request) override {
    lastFileRequest = request;
    return ScriptedServices::FileDialog(request);
  }
  services::FileDialogRequest lastFileRequest;
};

class TerminalTest : public ::testing::Test {
 protected:
  // The SQL files loaded after the schema: the shared terminal fixture unless a test needs
  // another database.
  virtual std::vector<std::string> Fixtures() const {
    return {RD_SOURCE_DIR "/tests/scripts/terminal/terminal_fixture.sql"};
  }

  void SetUp() override {
    work_.BuildDatabase(Fixtures());
    // The smallest GIF: enough for the picture check.
    std::ofstream("simulator-logo.gif", std::ios::binary) << "GIF89a";
    app_.g.gDsnName = TestWorkdir::kDsnName;
    app_.g.gDbPassword = TestWorkdir::kPassword;
    app_.AddWindow(std::make_unique<Form17>(app_));
    RegisterTerminalWindows(app_);
    rt_.RunEvent([this] { rt_.GetForm("Form2").Show(); });
  }

  Form2& terminal() { return rt_.Get<Form2>("Form2"); }
  // The console transcript, with CR LF shown as "\n".
  std::string Screen() {
    std::string text = terminal().Text1.Text();
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text.compare(i, 2, "\r\n") == 0) {
        out += '\n';
        ++i;
      } else {
        out += text[i];
      }
    }
    return out;
  }
  // Types send-keys text into the console, one user event per key.
  void Type(const std::string& keys) { rt_.TypeKeys(keys); }
  // Caret position counted from the end of the transcript.
  int CaretFromEnd() {
    return static_cast<int>(terminal().Text1.Text().size()) - terminal().Text1.SelStart();
  }

  // The value of routervariables row `key` in device column `column`.
  std::string Var(const std::string& key, const std::string& column) {
    return ReadCell(key, column);
  }
  void SetVar(const std::string& key, const std::string& column, const std::string& value) {
    WriteCell(key, column, value);
  }

  TestWorkdir work_;
  RecordingServices svc_;
  forms::Runtime rt_{svc_};
  App app_{rt_};
};

}  // namespace rd::test
