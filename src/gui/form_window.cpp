#include "gui/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "gui/key_translate.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"

namespace rd::gui {

// Holds the canvas: as large as the window leaves it, never smaller than the design size (it
// scrolls then). It takes no focus and leaves every key to the window's key preview.
class FormWindow::Scroller : public QScrollArea {
 public:
  explicit Scroller(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

FormWindow::FormWindow(forms::Form& form, EventGate& gate)
    : form_(form), gate_(gate), canvas_(new QWidget), scroller_(new Scroller(this)) {
  scroller_->setWidget(canvas_);
  setCentralWidget(scroller_);
  canvas_->installEventFilter(this);
  setAttribute(Qt::WA_DeleteOnClose, false);
  menus_ = std::make_unique<MenuBarView>(form_, *menuBar(), gate_);
}

FormWindow::~FormWindow() = default;

void FormWindow::Sync() {
  if (form_.Caption != caption_ || windowTitle().isEmpty()) {
    caption_ = form_.Caption;
    setWindowTitle(ToQtText(caption_));
  }
  SyncControls();
  SyncSize();
  SyncViews();
  menus_->Sync();
}

void FormWindow::SyncViews() {
  const QSize extra = Extra();
  for (const auto& [control, view] : views_) view->Sync(extra);
}

QSize FormWindow::Extra() const { return (canvas_->size() - size_).expandedTo(QSize(0, 0)); }

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == canvas_ && event->type() == QEvent::Resize) SyncViews();
  return QMainWindow::eventFilter(watched, event);
}

ControlView* FormWindow::ViewOf(const forms::Control* control) const {
  const auto it = views_.find(control);
  return it == views_.end() ? nullptr : it->second.get();
}

void FormWindow::SyncControls() {
  const std::vector<forms::Control*>& controls = form_.Controls();
  if (controls == known_) return;
  known_ = controls;
  std::erase_if(views_, [&](const auto& entry) {
    return std::find(controls.begin(), controls.end(), entry.first) == controls.end();
  });
  for (forms::Control* c : controls) {
    if (views_.contains(c)) continue;
    if (std::unique_ptr<ControlView> view = MakeControlView(*c, canvas_, gate_)) {
      views_.emplace(c, std::move(view));
    }
  }
}

// The canvas is the form's size, or larger when controls reach beyond it.
void FormWindow::SyncSize() {
  QSize size(form_.Width, form_.Height);
  for (const auto& [control, view] : views_) {
    if (control->Visible) {
      size = size.expandedTo(QSize(control->Left + control->Width, control->Top + control->Height));
    }
  }
  if (size == size_) return;
  size_ = size;
  canvas_->setMinimumSize(size);
  scroller_->setMinimumSize(size.boundedTo(room_));
  resize(size.boundedTo(room_) + QSize(0, MenuHeight()));
}

int FormWindow::MenuHeight() const {
  return menuBar()->isVisibleTo(this) ? menuBar()->sizeHint().height() : 0;
}

void FormWindow::PlaceForOpening(const QWidget* opener) {
  QScreen* screen = opener != nullptr ? opener->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QMargins frame = FrameMargins(opener);
  room_ = (available.size().shrunkBy(frame) - QSize(0, MenuHeight())).expandedTo(QSize(1, 1));
  scroller_->setMinimumSize(size_.boundedTo(room_));
  const QSize wanted = (size_ + QSize(0, MenuHeight())).grownBy(frame);
  const QRect placed =
      OpeningFrame(wanted, opener != nullptr ? opener->frameGeometry() : available, available);
  resize(placed.size().shrunkBy(frame));
  move(placed.topLeft());
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  gate_.Run([this](forms::Runtime& rt) { rt.RunEvent([this] { form_.Unload(); }); });
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  std::optional<forms::Key> key = ToFormsKey(*event);
  if (!key) return QMainWindow::keyPressEvent(event);
  gate_.Run([&](forms::Runtime& rt) { rt.PressKey(*key); });
}

}  // namespace rd::gui
