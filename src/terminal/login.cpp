// Console login: the session start at "press enter to begin", password entry with star echo,
// the password checks, the enable and telnet password prompts, and the logout.
#include "terminal/login.h"

#include "device/device_state.h"
#include "platform/services/services.h"
#include "terminal/console_text.h"
#include "terminal/form2.h"

namespace rd {
namespace {

constexpr const char* kPasswordPrompt = "password:";
constexpr int16_t kBackspace = 8;

// The password rows read at the start of a session, in this order: the enable secret is read
// after the enable password so that it wins when both are set.
constexpr const char* kConsolePasswordQuery =
    " select * from routervariables where Config_Variable = 'lineconsole_pass' ";
constexpr const char* kEnablePasswordQuery =
    " select * from routervariables where Config_Variable = 'enable_password' ";
constexpr const char* kSecretPasswordQuery =
    " select * from routervariables where Config_Variable = 'secret_password' ";

// The current device's value in the row that `query` selects; nothing when the row or the
// device column is missing, or when the value is "nill".
std::optional<std::string> DevicePassword(db::Connection& conn, const char* query,
                                          const std::string& deviceColumn) {
  db::Recordset rs;
  rs.Open(query, conn, db::adOpenDynamic, -1, -1);
  std::optional<std::string> value;
  if (!rs.EOF_()) {
    const int field = FindDeviceField(rs, deviceColumn);
    if (field >= 0 && rs.Field(field).Text() != "nill") value = rs.Field(field).Text();
  }
  rs.Close();
  return value;
}

// Empties the typed-character slots 0 to `length`.
void EmptyPasswordSlots(Module1& g, int16_t length) {
  g.gPwdChars.assign(static_cast<size_t>(length < 0 ? 0 : length) + 1, "");
}

std::string& PasswordSlot(Module1& g, int16_t slot) {
  const size_t i = static_cast<size_t>(slot < 0 ? 0 : slot);
  if (i >= g.gPwdChars.size()) g.gPwdChars.resize(i + 1);
  return g.gPwdChars[i];
}

}  // namespace

void Form2::StartSession(db::Connection& conn) {
  if (auto console = DevicePassword(conn, kConsolePasswordQuery, g_.gDeviceColumn)) {
    g_.gVtyPassword = *console;
    g_.gPasswordLength = static_cast<int16_t>(console->size());
    g_.gPasswordPrompt = kPasswordPrompt;
    g_.gPasswordMode = true;
    EmptyPasswordSlots(g_, g_.gPasswordLength);
  }
  for (const char* query : {kEnablePasswordQuery, kSecretPasswordQuery}) {
    if (auto enable = DevicePassword(conn, query, g_.gDeviceColumn)) {
      mEnablePassword = *enable;
      mEnablePasswordSet = true;
      mEnablePasswordLength = static_cast<int16_t>(enable->size());
    }
  }
  console::Rewrite(Text1, std::string(console::kPressEnter) + console::kCrLf + g_.gPasswordPrompt);
  g_.gSyntheticUp = true;
  app_.ui.SendKeys("{UP}");
  app_.ui.SendKeys("{END}");
  g_.gAwaitingEnter = false;
}

// Typed characters are kept out of the box and stored; the key-down handler shows a star.
void Form2::PasswordCharacter(int16_t keyAscii) {
  Text1.Locked = true;
  if (keyAscii == kBackspace) {
    if (console::LineFromEnd(Text1.Text(), 1).size() <= 9) return;
    Text1.Locked = false;
    if (g_.gPwdCharCount >= 1) --g_.gPwdCharCount;
    PasswordSlot(g_, g_.gPwdCharCount).clear();
    return;
  }
  if (g_.gPwdCharCount < g_.gPasswordLength) {
    PasswordSlot(g_, g_.gPwdCharCount) = std::string(1, static_cast<char>(keyAscii));
    g_.gPwdCharTyped = true;
    ++g_.gPwdCharCount;
    app_.ui.SendKeys("{UP}");
    return;
  }
  app_.ui.MsgBox("sorry!Number of Characters are more than the actual password lenght ",
                 services::vbOKOnly);
}

void Form2::PasswordEnter() {
  if (g_.gPasswordMode) {
    g_.gPasswordMode = false;
    g_.gCheckLinePassword = true;
    CheckPassword(app_, g_.gVtyPassword);
  } else {
    g_.gEnablePasswordMode = false;
    CheckPassword(app_, mEnablePassword);
  }
}

void CheckPassword(App& app, const std::string& expected) {
  Module1& g = app.g;
  forms::TextBox& text1 = app.Window<Form2>().Text1;
  std::string typed;
  for (int16_t i = 0; i < g.gPwdCharCount; ++i) typed += PasswordSlot(g, i);
  std::string t = text1.Text();
  if (typed == expected) {
    g.gPwdCharTyped = false;
    g.gResponse = "";
    g.gPwdCharCount = 0;
    if (g.gCheckLinePassword) {
      g.gPrompt = ">";
      g.gCheckLinePassword = false;
    } else {
      g.gPrompt = "#";
    }
    t += console::Prompt(g);
  } else {
    if (g.gCheckLinePassword) {
      g.gPasswordMode = true;
      g.gCheckLinePassword = false;
    } else {
      g.gEnablePasswordMode = true;
    }
    g.gPwdCharCount = 0;
    t += std::string("wrong Password") + console::kCrLf + kPasswordPrompt;
  }
  g.gSyntheticUp = true;
  console::Rewrite(text1, t);
  app.ui.SendKeys("{UP}");
  app.ui.SendKeys("{END}");
}

// "password:" after the output of the line, on the line that the Enter's break will end.
void Form2::PrintPasswordPrompt(std::string& t) {
  g_.gSyntheticUp = true;
  if (mPromptRedrawn) t += console::kCrLf;
  mPromptRedrawn = false;
  console::Rewrite(Text1, t + kPasswordPrompt);
  app_.ui.SendKeys("{UP}");
  app_.ui.SendKeys("{END}");
}

// Once per session; gPrompt keeps what the line set until the password is accepted.
void Form2::AskEnablePassword(std::string& t) {
  PrintPasswordPrompt(t);
  g_.gEnablePasswordMode = true;
  EmptyPasswordSlots(g_, mEnablePasswordLength);
  g_.gPasswordLength = mEnablePasswordLength;
  mEnablePasswordSet = false;
}

// The telnet target's vty password; the telnet command has armed the line-password entry.
void Form2::AskTelnetPassword(std::string& t) {
  PrintPasswordPrompt(t);
  g_.gTelnetLoginPending = false;
}

void Form2::LogOut() {
  console::Rewrite(Text1, console::kPressEnter);
  mLogoutPending = false;
  g_.gSyntheticUp = true;
  app_.ui.SendKeys("{UP}");
  app_.ui.SendKeys("{END}");
  g_.gAwaitingEnter = true;
  g_.gPasswordPrompt = g_.gHostName + ">";
}

void Form2::EchoPasswordStar() {
  g_.gPwdCharTyped = false;
  console::Rewrite(Text1, console::WithoutLastLines(Text1.Text(), 1) + "*" + console::kCrLf);
  app_.ui.SendKeys("{END}");
}

}  // namespace rd
