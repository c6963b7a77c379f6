// The line: a decoration between two points of the window.
#include <algorithm>
#include <cstdlib>

#include "platform/forms/forms.h"

namespace rd::forms {

Line::Line(Form& parent, std::string name) : Control(parent, std::move(name), ControlKind::Line) {
  TabStop = false;
}

void Line::SetEnds(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Place(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

void Line::SaveDesign() {
  design_ = Design{SaveCommon(), x1_, y1_, x2_, y2_, BorderWidth, BorderColor};
}

void Line::RestoreDesign() {
  RestoreCommon(design_.common);
  x1_ = design_.x1;
  y1_ = design_.y1;
  x2_ = design_.x2;
  y2_ = design_.y2;
  BorderWidth = design_.borderWidth;
  BorderColor = design_.borderColor;
}

}  // namespace rd::forms
