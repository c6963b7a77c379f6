// Runtime texts (UTF-8 bytes, lines broken by CR LF) as Qt shows them (UTF-16, one character
// per line break), and positions between the two. Offsets into a runtime text are bytes.
#pragma once

#include <QString>
#include <string>

namespace rd::gui {

// The Qt text of text[from, to): CR LF, a lone CR and a lone LF each become one '\n'. A LF at
// `from` right after a CR belongs to that CR's line break and is dropped.
QString ToQtText(const std::string& text, size_t from = 0, size_t to = std::string::npos);

// The number of Qt positions that text[from, to) takes; additive over adjacent ranges.
int QtLength(const std::string& text, size_t from, size_t to);

// The byte offset of Qt position qtPos in text (clamped to the text); never between CR and LF
// nor inside a character.
int ByteOffsetAt(const std::string& text, int qtPos);

// A Qt string as runtime text (UTF-8).
std::string FromQt(const QString& text);

}  // namespace rd::gui
