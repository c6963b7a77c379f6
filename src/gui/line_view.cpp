#include "gui/line_view.h"

#include <QPainter>
#include <algorithm>

#include "gui/appearance.h"

namespace rd::gui {

// Draws the line it is given, in canvas coordinates; transparent everywhere else.
class LineView::Stroke : public QWidget {
 public:
  explicit Stroke(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  QLine line;
  QColor color;
  int width = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line.translated(-pos()));
  }
};

LineView::LineView(forms::Line& line, QWidget* canvas, EventGate& gate)
    : ControlView(line, gate), line_(line), qt_(new Stroke(canvas)) {
  Attach(qt_);
}

QRect LineView::WidgetGeometry(const QRect& anchored) const {
  const int pad = (std::max(line_.BorderWidth, 1) + 1) / 2;
  return anchored.adjusted(-pad, -pad, pad, pad);
}

// The ends keep their corners of the rectangle they span: the one with the smaller x stays at
// its left edge, the one with the smaller y at its top edge.
QLine LineView::Drawn() const {
  const QRect r = AnchoredGeometry(line_, Extra());
  const int left = r.left(), right = r.left() + r.width();
  const int top = r.top(), bottom = r.top() + r.height();
  const bool x1Left = line_.X1() <= line_.X2();
  const bool y1Top = line_.Y1() <= line_.Y2();
  return QLine(x1Left ? left : right, y1Top ? top : bottom, x1Left ? right : left,
               y1Top ? bottom : top);
}

void LineView::SyncContent() {
  const QLine drawn = Drawn();
  const QColor color = ColorOf(line_.BorderColor, qt_->palette().color(QPalette::WindowText));
  const int width = std::max(line_.BorderWidth, 1);
  if (drawn != qt_->line || color != qt_->color || width != qt_->width) {
    qt_->line = drawn;
    qt_->color = color;
    qt_->width = width;
    qt_->update();
  }
}

}  // namespace rd::gui
