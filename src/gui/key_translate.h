// Qt key events as the runtime's keystrokes: key codes, shift state and character codes of the
// classic toolkit, the same that the send-keys notation produces.
#pragma once

#include <QKeyEvent>
#include <QString>
#include <optional>
#include <vector>

#include "platform/forms/forms.h"

namespace rd::gui {

// The keystroke for a key with its modifiers and the text it typed; nothing for keys the
// runtime has no code for (media keys). A printable character the key typed, ASCII or not,
// is the keystroke's character (typed with AltGr too). Ctrl+letter gives the letter's code
// minus 64, Ctrl+Shift+6 gives 30, Alt keys give no character.
std::optional<forms::Key> ToFormsKey(int qtKey, Qt::KeyboardModifiers modifiers,
                                     const QString& text);

// The keystrokes that type text (an input method's committed text), one per printable
// character, as the send-keys notation gives them.
std::vector<forms::Key> KeysOfText(const QString& text);

inline std::optional<forms::Key> ToFormsKey(const QKeyEvent& event) {
  return ToFormsKey(event.key(), event.modifiers(), event.text());
}

// The classic toolkit's shift state (vbShiftMask, vbCtrlMask, vbAltMask) of Qt modifiers.
int16_t ShiftState(Qt::KeyboardModifiers modifiers);

}  // namespace rd::gui
