#include "gui/control_view.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "gui/key_translate.h"
#include "gui/line_view.h"
#include "gui/list_views.h"
#include "gui/simple_views.h"
#include "gui/text_view.h"

namespace rd::gui {

ControlView::ControlView(forms::Control& control, EventGate& gate)
    : control_(control), gate_(gate) {}

ControlView::~ControlView() {
  if (widget_) widget_->deleteLater();  // it may be the sender of the event being handled
}

void ControlView::Attach(QWidget* w) {
  widget_ = w;
  w->installEventFilter(this);
  look_.Attach(w);
}

QRect AnchoredGeometry(const forms::Control& control, QSize extra) {
  // The offset of the near edge and the growth, along one axis.
  auto along = [&](int nearEdge, int farEdge, int extraSize) {
    const bool nearAnchored = (control.Anchor & nearEdge) != 0;
    const bool farAnchored = (control.Anchor & farEdge) != 0;
    if (farAnchored && nearAnchored) return std::pair{0, extraSize};
    if (farAnchored) return std::pair{extraSize, 0};
    return std::pair{0, 0};
  };
  const auto [dx, dw] = along(forms::anchorLeft, forms::anchorRight, extra.width());
  const auto [dy, dh] = along(forms::anchorTop, forms::anchorBottom, extra.height());
  return QRect(control.Left + dx, control.Top + dy, control.Width + dw, control.Height + dh);
}

void ControlView::Sync(QSize extra) {
  if (!widget_) return;
  extra_ = extra;
  const QRect geometry = WidgetGeometry(AnchoredGeometry(control_, extra));
  if (first_ || geometry != geometry_) widget_->setGeometry(geometry);
  if (first_ || control_.Visible != visible_) widget_->setVisible(control_.Visible);
  if (first_ || control_.Enabled != enabled_) widget_->setEnabled(control_.Enabled);
  const QString tip = QString::fromStdString(control_.ToolTipText);
  if (widget_->toolTip() != tip) widget_->setToolTip(tip);
  look_.Sync(control_);
  geometry_ = geometry;
  visible_ = control_.Visible;
  enabled_ = control_.Enabled;
  first_ = false;
  SyncContent();
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Tab order is the runtime's (TabIndex), not the widgets' creation order.
      auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) ||
          (key->modifiers() & Qt::ControlModifier)) {
        return false;
      }
      if (std::optional<forms::Key> k = ToFormsKey(*key)) {
        gate_.Run([&](forms::Runtime& rt) { rt.PressKey(*k); });
      }
      return true;
    }
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                          reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
      if (byUser && runtime().Focused() != &control_) {
        gate_.Run([this](forms::Runtime& rt) { rt.RunEvent([&] { rt.SetFocus(&control_); }); });
      }
      return false;
    }
    default:
      return false;
  }
}

std::unique_ptr<ControlView> MakeControlView(forms::Control& control, QWidget* canvas,
                                             EventGate& gate) {
  switch (control.Kind()) {
    case forms::ControlKind::TextBox:
      return std::make_unique<TextView>(static_cast<forms::TextBox&>(control), canvas, gate);
    case forms::ControlKind::RichTextBox:
      return std::make_unique<RichTextView>(static_cast<forms::RichTextBox&>(control), canvas,
                                            gate);
    case forms::ControlKind::Label:
      return std::make_unique<LabelView>(static_cast<forms::Label&>(control), canvas, gate);
    case forms::ControlKind::CommandButton:
      return std::make_unique<ButtonView>(static_cast<forms::CommandButton&>(control), canvas,
                                          gate);
    case forms::ControlKind::CheckBox:
      return std::make_unique<CheckView>(static_cast<forms::CheckBox&>(control), canvas, gate);
    case forms::ControlKind::Frame:
      return std::make_unique<FrameView>(static_cast<forms::Frame&>(control), canvas, gate);
    case forms::ControlKind::ComboBox:
      return std::make_unique<ComboView>(static_cast<forms::ComboBox&>(control), canvas, gate);
    case forms::ControlKind::ListBox:
      return std::make_unique<ListBoxView>(static_cast<forms::ListBox&>(control), canvas, gate);
    case forms::ControlKind::Grid:
      return std::make_unique<GridView>(static_cast<forms::Grid&>(control), canvas, gate);
    case forms::ControlKind::PictureBox:
      return std::make_unique<PictureView>(static_cast<forms::PictureBox&>(control), canvas, gate);
    case forms::ControlKind::WebBrowser:
      return std::make_unique<BrowserView>(static_cast<forms::WebBrowser&>(control), canvas, gate);
    case forms::ControlKind::Line:
      return std::make_unique<LineView>(static_cast<forms::Line&>(control), canvas, gate);
    case forms::ControlKind::Menu:
    case forms::ControlKind::Timer:
      return nullptr;
  }
  return nullptr;
}

}  // namespace rd::gui
