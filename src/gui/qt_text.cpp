#include "gui/qt_text.h"

#include <algorithm>

namespace rd::gui {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Qt positions taken by the byte at i: a character's first byte counts (two for characters
// outside the basic plane, which Qt stores as a surrogate pair); its other bytes and the LF of
// a CR LF count nothing.
int UnitsAt(const std::string& text, size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (b == '\n') return i > 0 && text[i - 1] == '\r' ? 0 : 1;
  if (IsContinuation(b)) return 0;
  return b >= 0xF0 ? 2 : 1;
}

}  // namespace

QString ToQtText(const std::string& text, size_t from, size_t to) {
  to = std::min(to, text.size());
  std::string out;
  out.reserve(to > from ? to - from : 0);
  for (size_t i = from; i < to; ++i) {
    const char c = text[i];
    if (c == '\r') {
      out.push_back('\n');
    } else if (c != '\n' || i == 0 || text[i - 1] != '\r') {
      out.push_back(c);
    }
  }
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

int QtLength(const std::string& text, size_t from, size_t to) {
  to = std::min(to, text.size());
  int units = 0;
  for (size_t i = from; i < to; ++i) units += UnitsAt(text, i);
  return units;
}

int ByteOffsetAt(const std::string& text, int qtPos) {
  size_t i = 0;
  for (int units = 0; i < text.size() && units < qtPos; ++i) units += UnitsAt(text, i);
  while (i < text.size() && UnitsAt(text, i) == 0) ++i;
  return static_cast<int>(i);
}

std::string FromQt(const QString& text) { return text.toStdString(); }

}  // namespace rd::gui
