#include "gui/window_placement.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace rd::gui {
namespace {

// A title bar and a thin border, as most desktops draw them.
constexpr QMargins kEstimatedFrame(4, 32, 4, 4);

// The frame of a window on screen, when the desktop has drawn one.
bool KnownFrame(const QWidget* window, QMargins& margins) {
  if (window == nullptr || !window->isVisible() || !window->isWindow()) return false;
  const QRect frame = window->frameGeometry();
  const QRect inner = window->geometry();
  if (frame == inner) return false;
  margins = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                     frame.right() - inner.right(), frame.bottom() - inner.bottom());
  return true;
}

}  // namespace

QRect OpeningFrame(QSize frame, const QRect& over, const QRect& available) {
  const QSize size = frame.boundedTo(available.size());
  QRect placed(QPoint(0, 0), size);
  placed.moveCenter(over.center());
  placed.moveLeft(std::clamp(placed.left(), available.left(),
                             available.left() + available.width() - size.width()));
  placed.moveTop(std::clamp(placed.top(), available.top(),
                            available.top() + available.height() - size.height()));
  return placed;
}

QMargins FrameMargins(const QWidget* shown) {
  QMargins margins;
  if (KnownFrame(shown, margins)) return margins;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (KnownFrame(window, margins)) return margins;
  }
  return kEstimatedFrame;
}

}  // namespace rd::gui
