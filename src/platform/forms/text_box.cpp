// The text box: text, selection and the box's own action for a key. The text is UTF-8 and
// lines are separated by CR LF; the caret never stops between CR and LF nor inside a character.
#include <algorithm>

#include "platform/forms/forms.h"
#include "platform/text/utf8.h"
#include "platform/text/words.h"

namespace rd::forms {
namespace {

bool IsBreakAt(const std::string& text, int pos) {
  return pos >= 0 && pos + 1 < static_cast<int>(text.size()) && text[pos] == '\r' &&
         text[pos + 1] == '\n';
}

// Start of the line holding pos.
int LineStart(const std::string& text, int pos) {
  for (int i = pos; i >= 2; --i) {
    if (IsBreakAt(text, i - 2)) return i;
  }
  return 0;
}

// End of the line holding pos (the position of its CR LF, or the end of the text).
int LineEnd(const std::string& text, int pos) {
  const size_t found = text.find(CRLF, static_cast<size_t>(pos));
  return found == std::string::npos ? static_cast<int>(text.size()) : static_cast<int>(found);
}

// A caret asked to stand between CR and LF stands at the end of that line instead, as a
// multi-line box shows it; one asked to stand inside a character stands before it.
int CaretPosition(const std::string& text, int pos) {
  pos = std::clamp(pos, 0, static_cast<int>(text.size()));
  if (IsBreakAt(text, pos - 1)) return pos - 1;
  while (pos > 0 && pos < static_cast<int>(text.size()) &&
         utf8::IsContinuation(static_cast<unsigned char>(text[pos]))) {
    --pos;
  }
  return pos;
}

// The position one character (a CR LF counts as one) before or after pos.
int CharacterBefore(const std::string& text, int pos) {
  if (IsBreakAt(text, pos - 2)) return pos - 2;
  return static_cast<int>(utf8::PreviousStart(text, static_cast<size_t>(std::max(pos, 0))));
}
int CharacterAfter(const std::string& text, int pos) {
  if (IsBreakAt(text, pos)) return pos + 2;
  return static_cast<int>(utf8::NextStart(text, static_cast<size_t>(pos)));
}

int CharacterCount(const std::string& text) { return static_cast<int>(text::CharCount(text)); }

}  // namespace

struct TextBox::Design {
  Common common;
  std::string text;
  bool locked;
  bool multiLine;
  int maxLength;
  std::string passwordChar;
  Bars scrollBars;
};

TextBox::TextBox(Form& parent, std::string name, bool multiLine)
    : TextBox(parent, std::move(name), multiLine, ControlKind::TextBox) {}

TextBox::TextBox(Form& parent, std::string name, bool multiLine, ControlKind kind)
    : Control(parent, std::move(name), kind), MultiLine(multiLine) {}

void TextBox::SetText(const std::string& text) {
  const bool changed = text != text_;
  text_ = text;
  selStart_ = 0;
  selLength_ = 0;
  if (changed) {
    ++revision_;
    if (Change) Change();
  }
}

void TextBox::SetSelStart(int start) {
  selStart_ = CaretPosition(text_, start);
  selLength_ = 0;
}

void TextBox::SetSelLength(int length) {
  const int end = CaretPosition(
      text_, selStart_ + std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_));
  selLength_ = end - selStart_;
}

std::string TextBox::SelText() const {
  return text_.substr(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
}

void TextBox::SetSelText(const std::string& text) { Replace(selStart_, selLength_, text); }

void TextBox::Replace(int start, int length, const std::string& text) {
  const bool changed = length > 0 || !text.empty();
  text_.replace(static_cast<size_t>(start), static_cast<size_t>(length), text);
  selStart_ = start + static_cast<int>(text.size());
  selLength_ = 0;
  if (changed) {
    ++revision_;
    if (Change) Change();
  }
}

void TextBox::MoveCaret(int pos) {
  selStart_ = CaretPosition(text_, pos);
  selLength_ = 0;
}

void TextBox::DefaultAction(const Key& key) {
  if (key.ascii != 0) {
    if (!Locked) Edit(key);
  } else if (key.keyCode == vbKeyDelete) {
    if (!Locked) Edit(key);
  } else {
    Navigate(key);
  }
}

// Character keys and Delete: insert, break the line, or delete.
void TextBox::Edit(const Key& key) {
  const int size = static_cast<int>(text_.size());
  if (key.ascii == 8 || key.keyCode == vbKeyDelete) {
    if (selLength_ > 0) {
      Replace(selStart_, selLength_, "");
    } else if (key.ascii == 8 && selStart_ > 0) {
      const int start = CharacterBefore(text_, selStart_);
      Replace(start, selStart_ - start, "");
    } else if (key.ascii == 0 && selStart_ < size) {
      Replace(selStart_, CharacterAfter(text_, selStart_) - selStart_, "");
    }
    return;
  }
  std::string insert;
  if (key.ascii == 13) {
    if (!MultiLine) return;
    insert = CRLF;
  } else if (key.ascii < 32 || key.ascii == 127 || (key.ascii >= 0x80 && key.ascii < 0xA0)) {
    return;  // other control characters (Tab, Esc, Ctrl+letter) insert nothing
  } else {
    insert = utf8::Encode(static_cast<char32_t>(key.ascii));
  }
  if (insert.empty()) return;  // no character has that code
  if (MaxLength > 0 &&
      CharacterCount(text_) - CharacterCount(SelText()) + CharacterCount(insert) > MaxLength) {
    return;
  }
  Replace(selStart_, selLength_, insert);
}

// Caret keys. A single-line box takes Up and Down as Left and Right.
void TextBox::Navigate(const Key& key) {
  const int size = static_cast<int>(text_.size());
  const bool ctrl = (key.shift & vbCtrlMask) != 0;
  const int caret = Caret();
  switch (key.keyCode) {
    case vbKeyLeft:
      if (selLength_ > 0) return MoveCaret(selStart_);
      return MoveCaret(CharacterBefore(text_, caret));
    case vbKeyRight:
      if (selLength_ > 0) return MoveCaret(caret);
      return MoveCaret(CharacterAfter(text_, caret));
    case vbKeyHome:
      return MoveCaret(ctrl ? 0 : LineStart(text_, caret));
    case vbKeyEnd:
      return MoveCaret(ctrl ? size : LineEnd(text_, caret));
    case vbKeyUp: {
      if (!MultiLine) return Navigate(Key{vbKeyLeft, key.shift, 0});
      const int start = LineStart(text_, caret);
      if (start == 0) return MoveCaret(caret);
      const int prevStart = LineStart(text_, start - 2);
      return MoveCaret(prevStart + std::min(caret - start, start - 2 - prevStart));
    }
    case vbKeyDown: {
      if (!MultiLine) return Navigate(Key{vbKeyRight, key.shift, 0});
      const int end = LineEnd(text_, caret);
      if (end == size) return MoveCaret(caret);
      const int column = caret - LineStart(text_, caret);
      const int nextStart = end + 2;
      return MoveCaret(nextStart + std::min(column, LineEnd(text_, nextStart) - nextStart));
    }
    default:
      return;
  }
}

std::string TextBox::DisplayText() const {
  if (PasswordChar.empty() || MultiLine) return text_;
  std::string masked;
  for (int i = 0; i < CharacterCount(text_); ++i) masked += PasswordChar;
  return masked;
}

void TextBox::SaveDesign() {
  design_ = std::make_shared<Design>(
      Design{SaveCommon(), text_, Locked, MultiLine, MaxLength, PasswordChar, ScrollBars});
}

void TextBox::RestoreDesign() {
  if (!design_) return;
  RestoreCommon(design_->common);
  if (text_ != design_->text) ++revision_;
  text_ = design_->text;
  selStart_ = 0;
  selLength_ = 0;
  Locked = design_->locked;
  MultiLine = design_->multiLine;
  MaxLength = design_->maxLength;
  PasswordChar = design_->passwordChar;
  ScrollBars = design_->scrollBars;
}

RichTextBox::RichTextBox(Form& parent, std::string name)
    : TextBox(parent, std::move(name), true, ControlKind::RichTextBox) {}

}  // namespace rd::forms
