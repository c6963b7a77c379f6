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

// The character that names a character key, and whether it already carries the Shift (it is
// what the key typed). With Ctrl or Alt held the typed text is a control code or nothing, so
// the character comes from the key itself.
struct KeyChar {
  char c;
  bool shifted;
};
std::optional<KeyChar> CharacterKey(int qtKey, Qt::KeyboardModifiers modifiers,
                                    const QString& text) {
  const bool typing = !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
  if (typing && text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7f) {
    return KeyChar{static_cast<char>(text[0].unicode()), true};
  }
  if (qtKey >= 0x20 && qtKey < 0x7f) {
    return KeyChar{static_cast<char>(std::tolower(qtKey)), false};
  }
  return std::nullopt;
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
  std::string notation;
  if (modifiers & Qt::ControlModifier) notation += '^';
  if (modifiers & Qt::AltModifier) notation += '%';
  const bool shiftHeld = (modifiers & Qt::ShiftModifier) != 0;
  if (std::optional<std::string> named = NamedKey(qtKey)) {
    notation += (shiftHeld ? "+" : "") + *named;
  } else if (std::optional<KeyChar> key = CharacterKey(qtKey, modifiers, text)) {
    notation += (shiftHeld && !key->shifted ? "+{" : "{") + std::string(1, key->c) + "}";
  } else {
    return std::nullopt;
  }
  try {
    forms::Key key = forms::ParseSendKeys(notation).front();
    key.shift = shift;  // the keys actually held (Caps Lock types capitals without Shift)
    return key;
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
}

}  // namespace rd::gui
