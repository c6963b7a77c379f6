// UTF-8, the encoding of every text the program keeps: characters to bytes and back, and the
// character boundaries that editing must respect.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rd::utf8 {

inline constexpr char32_t kMaxCodePoint = 0x10FFFF;

// Whether b continues a multi-byte character (it never starts one).
constexpr bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Whether cp is a character that can be encoded: at most kMaxCodePoint and no surrogate.
constexpr bool IsScalar(char32_t cp) { return cp <= kMaxCodePoint && (cp < 0xD800 || cp > 0xDFFF); }

// The bytes of character cp (IsScalar(cp) required; anything else gives "").
inline std::string Encode(char32_t cp) {
  std::string out;
  if (!IsScalar(cp)) return out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

struct Decoded {
  char32_t codePoint;
  size_t length;  // bytes taken, 1 to 4
};

// The character that starts at byte pos of text; nothing when the bytes there are no well-formed
// UTF-8 (a stray continuation byte, a cut sequence, an overlong form, a surrogate, or beyond
// kMaxCodePoint) or pos is at the end.
inline std::optional<Decoded> DecodeAt(std::string_view text, size_t pos) {
  if (pos >= text.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return Decoded{lead, 1};
  size_t length = 0;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() - pos < length) return std::nullopt;
  for (size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(b)) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (cp < smallest || !IsScalar(cp)) return std::nullopt;
  return Decoded{cp, length};
}

// Whether text is well-formed UTF-8 throughout.
inline bool IsValid(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const std::optional<Decoded> c = DecodeAt(text, pos);
    if (!c) return false;
    pos += c->length;
  }
  return true;
}

// The start of the character that ends at byte pos (0 at the start); one byte back where the
// bytes before pos end no well-formed character.
inline size_t PreviousStart(std::string_view text, size_t pos) {
  if (pos == 0) return 0;
  for (size_t length = 2; length <= 4 && length <= pos; ++length) {
    const std::optional<Decoded> c = DecodeAt(text, pos - length);
    if (c && c->length == length) return pos - length;
  }
  return pos - 1;
}

// The end of the character that starts at byte pos (one byte further for a damaged sequence).
inline size_t NextStart(std::string_view text, size_t pos) {
  if (pos >= text.size()) return text.size();
  const std::optional<Decoded> c = DecodeAt(text, pos);
  return pos + (c ? c->length : 1);
}

}  // namespace rd::utf8
