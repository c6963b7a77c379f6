// Console login: the session start at "press enter to begin", password entry with star echo,
// the password checks, the enable and telnet password prompts, and the logout.
#include "console/texts.h"
#include "device/device_state.h"
#include "platform/services/services.h"
#include "platform/text/utf8.h"
#include "terminal/form2.h"

namespace rd {
namespace {

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

bool Form2::AtPasswordPrompt() const { return g_.gPasswordMode || g_.gEnablePasswordMode; }

void Form2::StartSession(db::Connection& conn) {
  if (auto console = DevicePassword(conn, kConsolePasswordQuery, g_.gDeviceColumn)) {
    g_.gVtyPassword = *console;
    g_.gPasswordLength = static_cast<int16_t>(console->size());
    g_.gPasswordPrompt = console::kPasswordPrompt;
    g_.gPasswordMode = true;
    EmptyPasswordSlots(g_, g_.gPasswordLength);
  }
  ReadEnablePassword(conn);
  console_.ForgetRedraws();
  console_.Rewrite(std::string(console::kPressEnter) + console::kCrLf + g_.gPasswordPrompt);
  console_.Send(console::OwnKey::CaretUp);
  console_.SendEnd();
  g_.gAwaitingEnter = false;
}

// A device without an enable password asks none, whichever device's session came before.
void Form2::ReadEnablePassword(db::Connection& conn) {
  mEnablePasswordSet = false;
  for (const char* query : {kEnablePasswordQuery, kSecretPasswordQuery}) {
    if (auto enable = DevicePassword(conn, query, g_.gDeviceColumn)) {
      mEnablePassword = *enable;
      mEnablePasswordSet = true;
      mEnablePasswordLength = static_cast<int16_t>(enable->size());
    }
  }
}

// Typed characters are kept out of the box and stored; the key-down handler shows a star.
void Form2::PasswordCharacter(int32_t keyAscii) {
  console_.Block();
  if (keyAscii == kBackspace) {
    if (console::LineFromEnd(console_.Text(), 1).size() <= 9) return;
    console_.Unblock();
    if (g_.gPwdCharCount >= 1) --g_.gPwdCharCount;
    PasswordSlot(g_, g_.gPwdCharCount).clear();
    return;
  }
  if (g_.gPwdCharCount < g_.gPasswordLength) {
    PasswordSlot(g_, g_.gPwdCharCount) = utf8::Encode(static_cast<char32_t>(keyAscii));
    ++g_.gPwdCharCount;
    console_.Send(console::OwnKey::PasswordStar);
    return;
  }
  app_.ui.MsgBox(console::kPasswordTooLong, services::vbOKOnly);
}

void Form2::PasswordEnter() {
  if (g_.gPasswordMode) {
    g_.gPasswordMode = false;
    g_.gCheckLinePassword = true;
    CheckPassword(g_.gVtyPassword);
  } else {
    g_.gEnablePasswordMode = false;
    CheckPassword(mEnablePassword);
  }
}

void Form2::CheckPassword(const std::string& expected) {
  std::string typed;
  for (int16_t i = 0; i < g_.gPwdCharCount; ++i) typed += PasswordSlot(g_, i);
  std::string t = console_.Text();
  if (typed == expected) {
    console_.Forget(console::OwnKey::PasswordStar);
    g_.gResponse = "";
    g_.gPwdCharCount = 0;
    if (g_.gCheckLinePassword) {
      g_.gPrompt = ">";
      g_.gCheckLinePassword = false;
    } else {
      g_.gPrompt = "#";
    }
    t += Prompt();
  } else {
    if (g_.gCheckLinePassword) {
      g_.gPasswordMode = true;
      g_.gCheckLinePassword = false;
    } else {
      g_.gEnablePasswordMode = true;
    }
    g_.gPwdCharCount = 0;
    t += std::string(console::kWrongPassword) + console::kCrLf + console::kPasswordPrompt;
  }
  console_.Rewrite(t);
  console_.Send(console::OwnKey::CaretUp);
  console_.SendEnd();
}

// "password:" after the output of the line, on the line that the Enter's break will end.
void Form2::PrintPasswordPrompt(std::string& t) {
  console_.Rewrite(t + console_.TakeBreak(console::Redrawn::Prompt) + console::kPasswordPrompt);
  console_.Send(console::OwnKey::CaretUp);
  console_.SendEnd();
}

// Once per session; gPrompt keeps what the line set until the password is accepted.
void Form2::AskEnablePassword(std::string& t) {
  PrintPasswordPrompt(t);
  g_.gEnablePasswordMode = true;
  EmptyPasswordSlots(g_, mEnablePasswordLength);
  g_.gPasswordLength = mEnablePasswordLength;
  mEnablePasswordSet = false;
}

// The telnet target's vty password; the telnet line has armed the line-password entry.
void Form2::AskTelnetPassword(std::string& t) {
  PrintPasswordPrompt(t);
  g_.gTelnetLoginPending = false;
}

void Form2::ArmLinePassword(const std::string& expected) {
  g_.gPasswordLength = static_cast<int16_t>(expected.size());
  g_.gPasswordPrompt = console::kPasswordPrompt;
  g_.gPasswordMode = true;
  EmptyPasswordSlots(g_, g_.gPasswordLength);
  g_.gTelnetLoginPending = true;
}

void Form2::EndPasswordEntry() {
  g_.gPasswordMode = false;
  g_.gEnablePasswordMode = false;
  g_.gCheckLinePassword = false;
  g_.gTelnetLoginPending = false;
  g_.gPwdCharCount = 0;
  console_.Forget(console::OwnKey::PasswordStar);
}

void Form2::LogOut() {
  console_.ForgetRedraws();
  console_.Rewrite(console::kPressEnter);
  mLogoutPending = false;
  console_.Send(console::OwnKey::CaretUp);
  console_.SendEnd();
  g_.gAwaitingEnter = true;
  g_.gPasswordPrompt = g_.gHostName + ">";
}

void Form2::EchoPasswordStar() {
  console_.Forget(console::OwnKey::PasswordStar);
  console_.Rewrite(console::WithoutLastLines(console_.Text(), 1) + "*" + console::kCrLf);
  console_.SendEnd();
}

}  // namespace rd
