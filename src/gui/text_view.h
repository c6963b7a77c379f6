// A text box: QPlainTextEdit when multi-line (the consoles), QLineEdit otherwise. The widget
// never edits itself: every key and mouse click goes to the runtime, and the text and caret are
// redrawn from the box; a password box shows its password character for each character. A
// multi-line box redraws through a TextMirror, so a growing transcript costs only its new tail,
// and shows the scroll bars it lists (with a horizontal one its lines do not wrap).
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdint>
#include <memory>
#include <string>

#include "gui/control_view.h"
#include "gui/text_mirror.h"

namespace rd::gui {

class TextView : public ControlView {
 public:
  TextView(forms::TextBox& box, QWidget* canvas, EventGate& gate);

  // How the multi-line document was redrawn so far (all zero for a single-line box).
  MirrorStats Stats() const { return mirror_ ? mirror_->Stats() : MirrorStats{}; }

 protected:
  void SyncContent() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SyncScrollBars();
  void SyncText();
  void SyncCaret();
  int ByteOffsetAt(QPoint pos) const;  // of a point of the widget's text area
  // Byte offsets in the box's text and in singleText_, which differ in a password box.
  int ShownOffset(int offset) const;
  int TextOffset(int shownOffset) const;
  void Key(const forms::Key& key);
  void MousePress(int button, int16_t shift, QPoint pos);
  void RunHandler(const std::function<void()>& handler);

  forms::TextBox& box_;
  QPlainTextEdit* multi_ = nullptr;  // exactly one of the two
  QLineEdit* single_ = nullptr;
  std::unique_ptr<TextMirror> mirror_;
  std::string singleText_;    // what single_ shows: the text, or its mask in a password box
  std::string passwordChar_;  // the box's PasswordChar when singleText_ was shown
  uint64_t revision_ = 0;
  int selStart_ = -1;
  int selLength_ = -1;
  forms::Bars scrollBars_ = forms::Bars::None;
  bool first_ = true;
};

}  // namespace rd::gui
