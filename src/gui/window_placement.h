// Where a window opens: fully inside the available area of its screen (never with its bottom
// edge below it), centred on the window that opened it or, without one, on the screen.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace rd::gui {

// The frame rectangle of a window whose frame is `frame` large: centred on `over`, then moved
// inside `available`; a frame larger than `available` is cut down to it.
QRect OpeningFrame(QSize frame, const QRect& over, const QRect& available);

// The margins that the desktop's frame (title bar and border) adds around a window: those of
// `shown` or of another window on screen that has a frame; before any has, an estimate.
QMargins FrameMargins(const QWidget* shown);

}  // namespace rd::gui
