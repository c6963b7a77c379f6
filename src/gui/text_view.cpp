#include "gui/text_view.h"

#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

#include "gui/key_translate.h"
#include "gui/qt_text.h"
#include "platform/text/utf8.h"
#include "platform/text/words.h"

namespace rd::gui {
namespace {

// The classic toolkit's mouse button numbers.
int ButtonNumber(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 1;
  }
}

}  // namespace

TextView::TextView(forms::TextBox& box, QWidget* canvas, EventGate& gate)
    : ControlView(box, gate), box_(box) {
  QWidget* w = nullptr;
  if (box.MultiLine) {
    multi_ = new QPlainTextEdit(canvas);
    multi_->setUndoRedoEnabled(false);
    multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    multi_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    multi_->viewport()->installEventFilter(this);
    multi_->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    multi_->viewport()->setAcceptDrops(false);
    mirror_ = std::make_unique<TextMirror>(*multi_->document());
    w = multi_;
  } else {
    single_ = new QLineEdit(canvas);
    w = single_;
  }
  w->setContextMenuPolicy(Qt::NoContextMenu);
  w->setAcceptDrops(false);
  // Input methods (dead keys, compose sequences) deliver their characters as committed text.
  w->setAttribute(Qt::WA_InputMethodEnabled, true);
  Attach(w);
}

// A bar the box lists is always shown; without a horizontal bar the lines wrap at the box's
// width, and a vertical bar the box does not list still comes when the text is longer than the
// box, so that no text is out of reach.
void TextView::SyncScrollBars() {
  if (!multi_ || (!first_ && box_.ScrollBars == scrollBars_)) return;
  scrollBars_ = box_.ScrollBars;
  const bool horizontal =
      scrollBars_ == forms::Bars::Horizontal || scrollBars_ == forms::Bars::Both;
  const bool vertical = scrollBars_ == forms::Bars::Vertical || scrollBars_ == forms::Bars::Both;
  multi_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  multi_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  multi_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void TextView::SyncContent() {
  SyncScrollBars();
  const bool textChanged =
      first_ || box_.TextRevision() != revision_ || box_.PasswordChar != passwordChar_;
  if (textChanged) SyncText();
  if (textChanged || box_.SelStart() != selStart_ || box_.SelLength() != selLength_) SyncCaret();
  first_ = false;
}

void TextView::SyncText() {
  revision_ = box_.TextRevision();
  passwordChar_ = box_.PasswordChar;
  if (mirror_) {
    mirror_->Update(box_.Text());
  } else {
    singleText_ = box_.DisplayText();
    single_->setText(ToQtText(singleText_));
  }
}

// A password box shows one password character for each character of its text.
int TextView::ShownOffset(int offset) const {
  if (passwordChar_.empty()) return offset;
  const std::string_view before =
      std::string_view(box_.Text()).substr(0, static_cast<size_t>(offset));
  return static_cast<int>(text::CharCount(before) * passwordChar_.size());
}

int TextView::TextOffset(int shownOffset) const {
  if (passwordChar_.empty()) return shownOffset;
  const std::string& text = box_.Text();
  size_t offset = 0;
  for (size_t chars = static_cast<size_t>(shownOffset) / passwordChar_.size();
       chars > 0 && offset < text.size(); --chars) {
    do {
      ++offset;
    } while (offset < text.size() &&
             utf8::IsContinuation(static_cast<unsigned char>(text[offset])));
  }
  return static_cast<int>(offset);
}

void TextView::SyncCaret() {
  selStart_ = box_.SelStart();
  selLength_ = box_.SelLength();
  if (mirror_) {
    QTextCursor cursor = multi_->textCursor();
    cursor.setPosition(mirror_->QtPosition(selStart_));
    if (selLength_ > 0) {
      cursor.setPosition(mirror_->QtPosition(selStart_ + selLength_), QTextCursor::KeepAnchor);
    }
    multi_->setTextCursor(cursor);
    multi_->ensureCursorVisible();
  } else {
    const auto shownStart = static_cast<size_t>(ShownOffset(selStart_));
    const auto shownEnd = static_cast<size_t>(ShownOffset(selStart_ + selLength_));
    const int start = QtLength(singleText_, 0, shownStart);
    const int length = QtLength(singleText_, shownStart, shownEnd);
    if (length > 0) {
      single_->setSelection(start, length);
    } else {
      single_->setCursorPosition(start);
    }
  }
}

int TextView::ByteOffsetAt(QPoint pos) const {
  if (mirror_) return mirror_->ByteOffset(multi_->cursorForPosition(pos).position());
  return TextOffset(rd::gui::ByteOffsetAt(singleText_, single_->cursorPositionAt(pos)));
}

bool TextView::eventFilter(QObject* watched, QEvent* event) {
  const bool onText = watched == widget() || (multi_ && watched == multi_->viewport());
  if (!onText) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      if (std::optional<forms::Key> key = ToFormsKey(*static_cast<QKeyEvent*>(event))) Key(*key);
      return true;
    case QEvent::InputMethod:
      for (const forms::Key& key :
           KeysOfText(static_cast<QInputMethodEvent*>(event)->commitString())) {
        Key(key);
      }
      return true;
    case QEvent::KeyRelease:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      MousePress(ButtonNumber(mouse->button()), ShiftState(mouse->modifiers()),
                 mouse->position().toPoint());
      return true;
    }
    case QEvent::MouseButtonRelease:
      RunHandler(box_.Click);
      return true;
    case QEvent::MouseButtonDblClick:
      RunHandler(box_.DblClick);
      return true;
    default:
      return ControlView::eventFilter(watched, event);
  }
}

// A key always goes to this box: when the user came back to its window, the runtime's focus may
// still be elsewhere, so the box takes it first (GotFocus runs as its own event).
void TextView::Key(const forms::Key& key) {
  gate().Run([&](forms::Runtime& rt) {
    if (rt.Focused() != &box_) rt.RunEvent([&] { rt.SetFocus(&box_); });
    rt.PressKey(key);
  });
}

// A click moves the caret where it points (the box keeps no selection of the mouse's) and
// takes the focus, then MouseDown runs.
void TextView::MousePress(int button, int16_t shift, QPoint pos) {
  const int offset = ByteOffsetAt(pos);
  gate().Run([&](forms::Runtime& rt) {
    rt.RunEvent([&] {
      if (rt.Focused() != &box_) rt.SetFocus(&box_);
      box_.SetSelStart(offset);
      if (box_.MouseDown) box_.MouseDown(button, shift, pos.x(), pos.y());
    });
  });
}

void TextView::RunHandler(const std::function<void()>& handler) {
  if (!handler) return;
  gate().Run([&](forms::Runtime& rt) { rt.RunEvent(handler); });
}

}  // namespace rd::gui
