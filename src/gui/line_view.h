// The view of a line: a thin line between its two ends, drawn over the rectangle they span as
// the anchors move and stretch it. It takes no focus and no clicks.
#pragma once

#include <QWidget>

#include "gui/control_view.h"

namespace rd::gui {

class LineView : public ControlView {
 public:
  LineView(forms::Line& line, QWidget* canvas, EventGate& gate);

  // The two ends as drawn, in the canvas's coordinates.
  QLine Drawn() const;

 protected:
  void SyncContent() override;
  // The rectangle of the ends, widened by the pen so that a level or upright line shows.
  QRect WidgetGeometry(const QRect& anchored) const override;

 private:
  class Stroke;
  forms::Line& line_;
  Stroke* qt_;
};

}  // namespace rd::gui
