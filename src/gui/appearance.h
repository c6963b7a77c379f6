// The look of a control under Qt: the runtime's font and colours on the widget that draws it,
// and the font names of the design resolved to the faces installed on the machine.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "platform/forms/forms.h"

namespace rd::gui {

// The face that stands in for "Arial", which Debian does not ship: Liberation Sans has the same
// widths (package fonts-liberation2, which tools/build.sh installs), so text takes the room and
// breaks its lines where the design assumed.
inline constexpr const char* kArialSubstitute = "Liberation Sans";

// Makes the design's font names resolve to their installed substitutes ("Arial" to
// kArialSubstitute). Called once the application exists; calling it again changes nothing.
void InstallFontSubstitutes();

// `base` with the face, size and weight that `font` sets (an empty name or a size of 0 keeps
// the base's).
QFont FontOf(const forms::FontSpec& font, const QFont& base);
// The colour `color` names; `fallback` for the default. System colours come from the
// application's palette.
QColor ColorOf(const forms::Color& color, const QColor& fallback);

// Keeps a widget's font and colours in step with its control: remembers the widget's own font
// and palette when attached and applies the control's look over them whenever it changes.
class Look {
 public:
  void Attach(QWidget* widget);
  void Sync(const forms::Control& control);

 private:
  QWidget* widget_ = nullptr;
  QFont baseFont_;
  QPalette basePalette_;
  bool first_ = true;
  forms::FontSpec font_;
  forms::Color fore_, back_;
};

}  // namespace rd::gui
