#include "gui/simple_views.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

#include "gui/qt_text.h"

namespace rd::gui {
namespace {

// Runs the runtime's click of a control when the mouse is released over it.
bool ClickOnRelease(QEvent* event, EventGate& gate, forms::Control& control) {
  if (event->type() != QEvent::MouseButtonRelease) return false;
  if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    gate.Run([&](forms::Runtime& rt) { rt.Click(control); });
  }
  return true;
}

// Sets a cached caption and says whether it changed.
bool Changed(std::string& cache, const std::string& value) {
  if (cache == value) return false;
  cache = value;
  return true;
}

}  // namespace

QString PlainCaption(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out.push_back(caption[i]);
  }
  return ToQtText(out);
}

LabelView::LabelView(forms::Label& label, QWidget* canvas, EventGate& gate)
    : ControlView(label, gate), label_(label), qt_(new QLabel(canvas)) {
  qt_->setWordWrap(true);
  qt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  qt_->setTextFormat(Qt::PlainText);
  Attach(qt_);
}

void LabelView::SyncContent() {
  if (Changed(caption_, label_.Caption)) qt_->setText(PlainCaption(caption_));
}

bool LabelView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qt_ && ClickOnRelease(event, gate(), label_)) return true;
  return ControlView::eventFilter(watched, event);
}

ButtonView::ButtonView(forms::CommandButton& button, QWidget* canvas, EventGate& gate)
    : ControlView(button, gate), button_(button), qt_(new QPushButton(canvas)) {
  qt_->setAutoDefault(false);
  QObject::connect(qt_, &QPushButton::clicked, this,
                   [this] { this->gate().Run([this](forms::Runtime& rt) { rt.Click(button_); }); });
  Attach(qt_);
}

void ButtonView::SyncContent() {
  if (Changed(caption_, button_.Caption)) qt_->setText(ToQtText(caption_));
}

CheckView::CheckView(forms::CheckBox& check, QWidget* canvas, EventGate& gate)
    : ControlView(check, gate), check_(check), qt_(new QCheckBox(canvas)) {
  // The runtime's click sets Value; the box shows Value whatever Qt toggled.
  QObject::connect(qt_, &QCheckBox::clicked, this, [this] {
    this->gate().Run([this](forms::Runtime& rt) { rt.Click(check_); });
    qt_->setChecked(check_.Value != 0);
  });
  Attach(qt_);
}

void CheckView::SyncContent() {
  if (Changed(caption_, check_.Caption)) qt_->setText(ToQtText(caption_));
  if (qt_->isChecked() != (check_.Value != 0)) qt_->setChecked(check_.Value != 0);
}

FrameView::FrameView(forms::Frame& frame, QWidget* canvas, EventGate& gate)
    : ControlView(frame, gate), frame_(frame), qt_(new QGroupBox(canvas)) {
  qt_->lower();  // the controls drawn over the frame stay clickable
  Attach(qt_);
}

void FrameView::SyncContent() {
  if (Changed(caption_, frame_.Caption)) qt_->setTitle(PlainCaption(caption_));
}

PictureView::PictureView(forms::PictureBox& picture, QWidget* canvas, EventGate& gate)
    : ControlView(picture, gate), picture_(picture), qt_(new QLabel(canvas)) {
  qt_->setAlignment(Qt::AlignCenter);
  Attach(qt_);
}

void PictureView::SyncContent() {
  const QSize size = qt_->size();
  if (picture_.Picture == shown_ && size == size_) return;
  shown_ = picture_.Picture;
  size_ = size;
  const QPixmap pixmap(QString::fromStdString(shown_));
  if (pixmap.isNull()) {
    qt_->clear();
  } else {
    qt_->setPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qt_ && ClickOnRelease(event, gate(), picture_)) return true;
  return ControlView::eventFilter(watched, event);
}

RichTextView::RichTextView(forms::RichTextBox& box, QWidget* canvas, EventGate& gate)
    : ControlView(box, gate), box_(box), qt_(new QTextBrowser(canvas)) {
  qt_->setReadOnly(true);
  qt_->setOpenLinks(false);
  Attach(qt_);
}

void RichTextView::SyncContent() {
  if (!first_ && box_.TextRevision() == revision_) return;
  first_ = false;
  revision_ = box_.TextRevision();
  qt_->setPlainText(ToQtText(box_.Text()));
}

BrowserView::BrowserView(forms::WebBrowser& browser, QWidget* canvas, EventGate& gate)
    : ControlView(browser, gate), browser_(browser), qt_(new QTextBrowser(canvas)) {
  qt_->setOpenExternalLinks(true);
  Attach(qt_);
}

void BrowserView::SyncContent() {
  if (!Changed(shown_, browser_.LocationURL())) return;
  if (shown_.empty()) {
    qt_->clear();
  } else {
    qt_->setSource(
        QUrl::fromLocalFile(QFileInfo(QString::fromStdString(shown_)).absoluteFilePath()));
  }
}

}  // namespace rd::gui
