// Views of the controls that show a caption, a picture or a page: label, button, check box,
// frame, picture box, rich text box and web browser.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <cstdint>
#include <string>

#include "gui/control_view.h"

namespace rd::gui {

// A caption with its access-key marks removed ("&Back" shows "Back", "&&" shows "&").
QString PlainCaption(const std::string& caption);

class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;
  bool eventFilter(QObject* watched, QEvent* event) override;  // a click runs Click

 private:
  forms::Label& label_;
  QLabel* qt_;
  std::string caption_;
};

class ButtonView : public ControlView {
 public:
  ButtonView(forms::CommandButton& button, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  forms::CommandButton& button_;
  QPushButton* qt_;
  std::string caption_;
};

class CheckView : public ControlView {
 public:
  CheckView(forms::CheckBox& check, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  forms::CheckBox& check_;
  QCheckBox* qt_;
  std::string caption_;
};

class FrameView : public ControlView {
 public:
  FrameView(forms::Frame& frame, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  forms::Frame& frame_;
  QGroupBox* qt_;
  std::string caption_;
};

// The picture scaled into the control's rectangle, keeping its proportions.
class PictureView : public ControlView {
 public:
  PictureView(forms::PictureBox& picture, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;
  bool eventFilter(QObject* watched, QEvent* event) override;  // a click runs Click

 private:
  forms::PictureBox& picture_;
  QLabel* qt_;
  std::string shown_;
  QSize size_;
};

// A rich text box: a read-only view of the text that the program put in it; the student can
// scroll, select and copy, but types nothing into it.
class RichTextView : public ControlView {
 public:
  RichTextView(forms::RichTextBox& box, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  forms::RichTextBox& box_;
  QTextBrowser* qt_;
  bool first_ = true;
  uint64_t revision_ = 0;
};

class BrowserView : public ControlView {
 public:
  BrowserView(forms::WebBrowser& browser, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  forms::WebBrowser& browser_;
  QTextBrowser* qt_;
  std::string shown_;
};

}  // namespace rd::gui
