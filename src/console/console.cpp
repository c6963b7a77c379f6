#include "console/console.h"

#include <algorithm>

namespace rd::console {
namespace {

size_t Bit(OwnKey key) { return static_cast<size_t>(key); }
size_t Bit(Redrawn why) { return static_cast<size_t>(why); }

// The keystroke each job is sent as.
const char* KeysOf(OwnKey key) {
  switch (key) {
    case OwnKey::CaretUp:
    case OwnKey::EscapeRedraw:
    case OwnKey::HelpRetype:
    case OwnKey::PasswordStar:
    case OwnKey::RightUp:
    case OwnKey::DownUp:
      return "{UP}";
    case OwnKey::UndoUp:
      return "{DOWN}";
    case OwnKey::EraseTyped:
      return "{BACKSPACE}";
  }
  return "";
}

}  // namespace

void DropCaretJump(int16_t& keyCode, int16_t shift) {
  const bool ctrl = (shift & forms::vbCtrlMask) != 0;
  if (keyCode == forms::vbKeyHome || keyCode == forms::vbKeyPageUp ||
      keyCode == forms::vbKeyPageDown || (ctrl && keyCode == forms::vbKeyEnd)) {
    keyCode = 0;
  }
}

Console::Console(forms::TextBox& box, forms::Runtime& runtime) : box_(box), runtime_(runtime) {}

const std::string& Console::Text() const { return box_.Text(); }

void Console::Rewrite(const std::string& text) {
  box_.SetSelStart(0);
  box_.SetSelLength(static_cast<int>(box_.Text().size()));
  box_.SetSelText(text);
}

void Console::ReplaceTail(size_t count, const std::string& text) {
  const size_t length = box_.Text().size();
  box_.SetSelStart(static_cast<int>(length - std::min(count, length)));
  box_.SetSelLength(static_cast<int>(count));
  box_.SetSelText(text);
}

std::string Console::TypedLine() const { return console::TypedLine(box_.Text()); }

void Console::Block() { box_.Locked = true; }

void Console::Unblock() { box_.Locked = false; }

bool Console::GuardPrompt(const std::string& prompt) {
  const std::string line = TypedLine();
  if (line.size() > prompt.size() && line.starts_with(prompt)) return false;
  Block();
  return true;
}

void Console::Send(OwnKey key) {
  pending_.set(Bit(key));
  runtime_.SendKeys(KeysOf(key));
}

void Console::SendEnd() { runtime_.SendKeys("{END}"); }

void Console::SendBackspace() { runtime_.SendKeys("{BACKSPACE}"); }

void Console::ReturnToTypedLine(OwnKey upJob) {
  const size_t caret = static_cast<size_t>(box_.SelStart() + box_.SelLength());
  if (box_.Text().find(kCrLf, caret) != std::string::npos) Send(upJob);
  SendEnd();
}

bool Console::Pending(OwnKey key) const { return pending_.test(Bit(key)); }

bool Console::Take(OwnKey key) {
  const bool was = Pending(key);
  Forget(key);
  return was;
}

void Console::Forget(OwnKey key) { pending_.reset(Bit(key)); }

void Console::MarkRedrawn(Redrawn why) { redrawn_.set(Bit(why)); }

bool Console::IsRedrawn(Redrawn why) const { return redrawn_.test(Bit(why)); }

std::string Console::TakeBreak(Redrawn why) {
  if (!IsRedrawn(why)) return "";
  redrawn_.reset(Bit(why));
  return kCrLf;
}

std::string Console::TakeBreak() {
  if (redrawn_.none()) return "";
  redrawn_.reset();
  return kCrLf;
}

void Console::ForgetRedraws() { redrawn_.reset(); }

void Console::ForgetOwnKeys() { pending_.reset(); }

}  // namespace rd::console
