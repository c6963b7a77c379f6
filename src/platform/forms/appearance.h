// How a control looks: its font, its colours and, for a text box, its scroll bars. The runtime
// only carries these values (they are design values like the position, restored on Unload); the
// Qt front end draws them, the headless driver ignores them.
#pragma once

#include <cstdint>
#include <string>

namespace rd::forms {

// A font by face name, size in points and weight. An empty name and a size of 0 leave the face
// and the size to the front end's default for the control's kind.
struct FontSpec {
  std::string Name;
  int Size = 0;
  bool Bold = false;
  bool operator==(const FontSpec&) const = default;
};

// The desktop's colours that a control may name instead of a fixed colour; the front end takes
// them from its palette, so they follow the user's colour scheme.
enum class SystemColor {
  WindowText,  // text of windows (dark in a light scheme)
  Window,      // background of windows
};

// A colour: the default of the control's kind, a fixed red-green-blue value or a system colour.
struct Color {
  enum class Kind { Default, Rgb, System };
  Kind kind = Kind::Default;
  uint8_t red = 0, green = 0, blue = 0;
  SystemColor system = SystemColor::WindowText;

  static Color Rgb(uint8_t r, uint8_t g, uint8_t b) { return Color{Kind::Rgb, r, g, b, {}}; }
  static Color System(SystemColor c) { return Color{Kind::System, 0, 0, 0, c}; }
  bool IsDefault() const { return kind == Kind::Default; }
  bool operator==(const Color&) const = default;
};

inline const Color vbWhite = Color::Rgb(255, 255, 255);
inline const Color vbWindowText = Color::System(SystemColor::WindowText);

// The scroll bars of a multi-line text box. A box with a horizontal bar does not wrap its lines;
// one without wraps them at its width. A single-line box has none, whatever it says.
enum class Bars { None, Horizontal, Vertical, Both };

}  // namespace rd::forms
