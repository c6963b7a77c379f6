#include "gui/text_mirror.h"

#include <QTextCursor>
#include <algorithm>

#include "gui/qt_text.h"

namespace rd::gui {
namespace {

bool IsContinuationAt(const std::string& s, size_t i) {
  return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
}

}  // namespace

void TextMirror::Update(const std::string& text) {
  if (text == shown_) return;
  size_t common = static_cast<size_t>(
      std::mismatch(shown_.begin(), shown_.end(), text.begin(), text.end()).first - shown_.begin());
  // Cut at a character boundary of both texts.
  while (common > 0 && (IsContinuationAt(shown_, common) || IsContinuationAt(text, common))) {
    --common;
  }
  if (common == 0 && !shown_.empty()) {
    doc_.setPlainText(ToQtText(text));
    qtLength_ = QtLength(text, 0, text.size());
    ++stats_.fullReplaces;
  } else {
    const bool append = common == shown_.size();
    const int pos = QtPosition(static_cast<int>(common));
    QTextCursor cursor(&doc_);
    cursor.setPosition(pos);
    if (!append) cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.insertText(ToQtText(text, common));
    ++(append ? stats_.appends : stats_.tailEdits);
    qtLength_ = pos + QtLength(text, common, text.size());
  }
  shown_ = text;
}

int TextMirror::QtPosition(int byteOffset) const {
  const size_t off =
      static_cast<size_t>(std::clamp(byteOffset, 0, static_cast<int>(shown_.size())));
  // Count from the nearer end: the caret of a console sits near the end of a long transcript.
  if (off <= shown_.size() / 2) return QtLength(shown_, 0, off);
  return qtLength_ - QtLength(shown_, off, shown_.size());
}

int TextMirror::ByteOffset(int qtPosition) const { return ByteOffsetAt(shown_, qtPosition); }

}  // namespace rd::gui
