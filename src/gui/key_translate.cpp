// The translation builds the key's send-keys name and lets the runtime's parser compute the key
// code and character, so typing in a window and a driver script give identical keystrokes.
#include "gui/key_translate.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace rd::gui {
namespace {

constexpr int16_t vbKeyMenu = 18;  // the Alt key itself

std::optional<std::string> NamedKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return "{BS}";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return "{TAB}";
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "{ENTER}";
    case Qt::Key_Escape:
      return "{ESC}";
    case Qt::Key_Up:
      return "{UP}";
    case Qt::Key_Down:
      return "{DOWN}";
    case Qt::Key_Left:
      return "{LEFT}";
    case Qt::Key_Right:
      return "{RIGHT}";
    case Qt::Key_Home:
      return "{HOME}";
    case Qt::Key_End:
      return "{END}";
    case Qt::Key_Delete:
      return "{DEL}";
    case Qt::Key_Insert:
      return "{INSERT}";
    case Qt::Key_PageUp:
      return "{PGUP}";
    case Qt::Key_PageDown:
      return "{PGDN}";
    default:
      break;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
    return "{F" + std::to_string(qtKey - Qt::Key_F1 + 1) + "}";
  }
  return std::nullopt;
}

// The one printable character that text holds, if it holds exactly one.
std::optional<char32_t> PrintableCharacter(const QString& text) {
  const QList<uint> characters = text.toUcs4();
  if (characters.size() != 1 || !QChar::isPrint(characters.front())) return std::nullopt;
  return static_cast<char32_t>(characters.front());
}

// The character a key typed: with neither Ctrl nor Alt held, or with both (AltGr arrives so on
// some systems), the key's text is what the user typed.
std::optional<char32_t> TypedCharacter(Qt::KeyboardModifiers modifiers, const QString& text) {
  const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
  const bool alt = (modifiers & Qt::AltModifier) != 0;
  if (ctrl != alt) return std::nullopt;
  return PrintableCharacter(text);
}

// The keystroke that types cp: an ASCII character as the send-keys notation has it, any other
// character with its code point and no key code.
forms::Key KeyForCharacter(char32_t cp) {
  if (cp >= 0x80) return forms::Key{0, 0, static_cast<int32_t>(cp)};
  const char c = static_cast<char>(cp);
  return forms::ParseSendKeys(std::string("{") + c + "}").front();
}

}  // namespace

int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
  int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= forms::vbShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= forms::vbCtrlMask;
  if (modifiers & Qt::AltModifier) shift |= forms::vbAltMask;
  return shift;
}

std::optional<forms::Key> ToFormsKey(int qtKey, Qt::KeyboardModifiers modifiers,
                                     const QString& text) {
  const int16_t shift = ShiftState(modifiers);
  switch (qtKey) {
    case Qt::Key_Shift:
      return forms::Key{forms::vbKeyShift, shift, 0};
    case Qt::Key_Control:
      return forms::Key{forms::vbKeyControl, shift, 0};
    case Qt::Key_Alt:
      return forms::Key{vbKeyMenu, shift, 0};
    default:
      break;
  }
  std::optional<std::string> named = NamedKey(qtKey);
  if (!named) {
    if (std::optional<char32_t> typed = TypedCharacter(modifiers, text)) {
      forms::Key key = KeyForCharacter(*typed);
      key.shift = shift;  // the keys actually held (Caps Lock types capitals without Shift)
      return key;
    }
    // With Ctrl or Alt held the typed text is a control code or nothing, so the character
    // comes from the key itself.
    if (qtKey < 0x20 || qtKey >= 0x7f) return std::nullopt;
    named = "{" + std::string(1, static_cast<char>(std::tolower(qtKey))) + "}";
  }
  std::string notation;
  if (modifiers & Qt::ControlModifier) notation += '^';
  if (modifiers & Qt::AltModifier) notation += '%';
  if (modifiers & Qt::ShiftModifier) notation += '+';
  try {
    forms::Key key = forms::ParseSendKeys(notation + *named).front();
    key.shift = shift;
    return key;
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
}

std::vector<forms::Key> KeysOfText(const QString& text) {
  std::vector<forms::Key> keys;
  for (const uint cp : text.toUcs4()) {
    if (QChar::isPrint(cp)) keys.push_back(KeyForCharacter(static_cast<char32_t>(cp)));
  }
  return keys;
}

}  // namespace rd::gui
