#include "gui/appearance.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>

namespace rd::gui {
namespace {

// The colours of a control are those of its text area: the scroll bars of a box or list look
// like every other scroll bar of the program, whatever colours the area has.
void KeepSystemScrollBars(QAbstractScrollArea& area) {
  for (QScrollBar* bar : {area.horizontalScrollBar(), area.verticalScrollBar()}) {
    QPalette system = QApplication::palette(bar);
    system.setResolveMask(~QPalette::ResolveMask{0});  // every role its own, none inherited
    bar->setPalette(system);
  }
}

}  // namespace

void InstallFontSubstitutes() {
  if (!QFont::substitutes("Arial").contains(kArialSubstitute)) {
    QFont::insertSubstitution("Arial", kArialSubstitute);
  }
}

QFont FontOf(const forms::FontSpec& font, const QFont& base) {
  QFont out = base;
  if (!font.Name.empty()) out.setFamilies({QString::fromStdString(font.Name)});
  if (font.Size > 0) out.setPointSize(font.Size);
  out.setBold(font.Bold);
  return out;
}

QColor ColorOf(const forms::Color& color, const QColor& fallback) {
  switch (color.kind) {
    case forms::Color::Kind::Default:
      return fallback;
    case forms::Color::Kind::Rgb:
      return QColor(color.red, color.green, color.blue);
    case forms::Color::Kind::System:
      switch (color.system) {
        case forms::SystemColor::WindowText:
          return QGuiApplication::palette().color(QPalette::WindowText);
        case forms::SystemColor::Window:
          return QGuiApplication::palette().color(QPalette::Window);
      }
  }
  return fallback;
}

void Look::Attach(QWidget* widget) {
  widget_ = widget;
  baseFont_ = widget->font();
  basePalette_ = widget->palette();
}

// A widget whose control keeps the default look is left as its view made it.
void Look::Sync(const forms::Control& control) {
  if (!widget_) return;
  if (first_ ? control.Font != forms::FontSpec{} : control.Font != font_) {
    font_ = control.Font;
    widget_->setFont(FontOf(font_, baseFont_));
  }
  const bool defaultColors = control.ForeColor.IsDefault() && control.BackColor.IsDefault();
  if (first_ ? !defaultColors : (control.ForeColor != fore_ || control.BackColor != back_)) {
    fore_ = control.ForeColor;
    back_ = control.BackColor;
    QPalette palette = basePalette_;
    // The text of every kind of widget: boxes and lists (Text), labels (WindowText), buttons.
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
      palette.setColor(role, ColorOf(fore_, basePalette_.color(role)));
    }
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button}) {
      palette.setColor(role, ColorOf(back_, basePalette_.color(role)));
    }
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(!back_.IsDefault());
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget_)) KeepSystemScrollBars(*area);
  }
  first_ = false;
}

}  // namespace rd::gui
