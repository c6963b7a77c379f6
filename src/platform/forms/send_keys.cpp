// Send-keys notation to keystrokes, as a US keyboard produces them.
#include <cctype>
#include <stdexcept>
#include <string_view>

#include "platform/forms/forms.h"
#include "platform/text/utf8.h"

namespace rd::forms {
namespace {

struct NamedKey {
  std::string_view name;
  int16_t keyCode;
  int16_t ascii;
};

constexpr NamedKey kNamedKeys[] = {
    {"UP", vbKeyUp, 0},
    {"DOWN", vbKeyDown, 0},
    {"LEFT", vbKeyLeft, 0},
    {"RIGHT", vbKeyRight, 0},
    {"END", vbKeyEnd, 0},
    {"HOME", vbKeyHome, 0},
    {"BACKSPACE", vbKeyBack, 8},
    {"BS", vbKeyBack, 8},
    {"BKSP", vbKeyBack, 8},
    {"DELETE", vbKeyDelete, 0},
    {"DEL", vbKeyDelete, 0},
    {"TAB", vbKeyTab, 9},
    {"ENTER", vbKeyReturn, 13},
    {"ESC", vbKeyEscape, 27},
    {"ESCAPE", vbKeyEscape, 27},
    {"F1", vbKeyF1, 0},
    {"F2", vbKeyF1 + 1, 0},
    {"F3", vbKeyF1 + 2, 0},
    {"F4", vbKeyF1 + 3, 0},
    {"F5", vbKeyF1 + 4, 0},
    {"F6", vbKeyF1 + 5, 0},
    {"F7", vbKeyF1 + 6, 0},
    {"F8", vbKeyF1 + 7, 0},
    {"F9", vbKeyF1 + 8, 0},
    {"F10", vbKeyF1 + 9, 0},
    {"F11", vbKeyF1 + 10, 0},
    {"F12", vbKeyF1 + 11, 0},
    {"PGUP", vbKeyPageUp, 0},
    {"PGDN", vbKeyPageDown, 0},
    {"INSERT", 45, 0},
    {"INS", 45, 0},
};

// The unshifted and shifted characters of the punctuation keys, with their key codes.
struct PunctKey {
  char plain;
  char shifted;
  int16_t keyCode;
};
constexpr PunctKey kPunctKeys[] = {
    {';', ':', 186},  {'=', '+', 187}, {',', '<', 188},  {'-', '_', 189},
    {'.', '>', 190},  {'/', '?', 191}, {'`', '~', 192},  {'[', '{', 219},
    {'\\', '|', 220}, {']', '}', 221}, {'\'', '"', 222},
};
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

// The key that types character cp; shift is set for characters that need the Shift key. A
// character outside ASCII has no key code of its own.
Key KeyForChar(char32_t cp) {
  if (cp < 0x20 || (cp >= 0x7f && cp < 0xa0)) {
    throw std::invalid_argument("send keys: control character " +
                                std::to_string(static_cast<uint32_t>(cp)) + " in the text");
  }
  if (cp >= 0x80) return Key{0, 0, static_cast<int32_t>(cp)};
  const char c = static_cast<char>(cp);
  const auto u = static_cast<unsigned char>(c);
  if (c == ' ') return Key{vbKeySpace, 0, 32};
  if (std::isalpha(u)) {
    const bool upper = std::isupper(u);
    return Key{static_cast<int16_t>(std::toupper(u)), upper ? vbShiftMask : int16_t{0}, u};
  }
  if (std::isdigit(u)) return Key{static_cast<int16_t>(u), 0, u};
  if (auto pos = kShiftedDigits.find(c); pos != std::string_view::npos) {
    return Key{static_cast<int16_t>('0' + pos), vbShiftMask, u};
  }
  for (const PunctKey& p : kPunctKeys) {
    if (p.plain == c) return Key{p.keyCode, 0, u};
    if (p.shifted == c) return Key{p.keyCode, vbShiftMask, u};
  }
  throw std::invalid_argument(std::string("send keys: no key types '") + c + "'");
}

// The character a key gives while Ctrl is held (0 when none).
int32_t CtrlCharacter(const Key& key) {
  const bool shift = (key.shift & vbShiftMask) != 0;
  if (key.keyCode >= 'A' && key.keyCode <= 'Z') return key.keyCode - 64;
  switch (key.keyCode) {
    case '6':
      return shift ? 30 : 0;
    case 189:  // '-'
      return shift ? 31 : 0;
    case 219:  // '['
      return shift ? 0 : 27;
    case 220:  // '\'
      return shift ? 0 : 28;
    case 221:  // ']'
      return shift ? 0 : 29;
    case vbKeyReturn:
      return 10;
    case vbKeyBack:
      return 127;
    default:
      return 0;
  }
}

// Applies the pending modifiers to a key and recomputes its character.
Key WithModifiers(Key key, int16_t modifiers) {
  if (modifiers & vbShiftMask) {
    key.shift |= vbShiftMask;
    if (key.ascii >= 'a' && key.ascii <= 'z') key.ascii -= 32;
    if (key.ascii >= '0' && key.ascii <= '9') key.ascii = kShiftedDigits[key.ascii - '0'];
    for (const PunctKey& p : kPunctKeys) {
      if (key.ascii == p.plain) key.ascii = p.shifted;
    }
  }
  key.shift |= modifiers & (vbCtrlMask | vbAltMask);
  if (modifiers & vbAltMask) {
    key.ascii = 0;
  } else if (modifiers & vbCtrlMask) {
    key.ascii = CtrlCharacter(key);
  }
  return key;
}

// The one character that text holds, if it holds exactly one.
std::optional<char32_t> OneCharacter(std::string_view text) {
  const std::optional<utf8::Decoded> c = utf8::DecodeAt(text, 0);
  if (!c || c->length != text.size()) return std::nullopt;
  return c->codePoint;
}

// Parses the text between braces: a single character, or a key name with an optional count.
std::vector<Key> ParseBraced(std::string_view body) {
  std::string_view name = body;
  int count = 1;
  if (auto blank = body.find(' '); blank != std::string_view::npos && body.size() > 1) {
    name = body.substr(0, blank);
    const std::string_view digits = body.substr(blank + 1);
    if (digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
      throw std::invalid_argument("send keys: bad repeat count in {" + std::string(body) + "}");
    }
    count = std::stoi(std::string(digits));
  }
  Key key;
  if (const std::optional<char32_t> c = OneCharacter(name)) {
    key = KeyForChar(*c);
  } else {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const NamedKey* found = nullptr;
    for (const NamedKey& k : kNamedKeys) {
      if (k.name == upper) found = &k;
    }
    if (!found) throw std::invalid_argument("send keys: unknown key {" + std::string(body) + "}");
    key = Key{found->keyCode, 0, found->ascii};
  }
  return std::vector<Key>(static_cast<size_t>(count), key);
}

}  // namespace

std::vector<Key> ParseSendKeys(const std::string& keys) {
  std::vector<Key> out;
  int16_t modifiers = 0;
  for (size_t i = 0; i < keys.size(); ++i) {
    const char c = keys[i];
    std::vector<Key> next;
    switch (c) {
      case '+':
        modifiers |= vbShiftMask;
        continue;
      case '^':
        modifiers |= vbCtrlMask;
        continue;
      case '%':
        modifiers |= vbAltMask;
        continue;
      case '~':
        next.push_back(Key{vbKeyReturn, 0, 13});
        break;
      case '}':
        throw std::invalid_argument("send keys: '}' without '{' in \"" + keys + "\"");
      case '{': {
        // "{}}" is the literal closing brace; otherwise the body ends at the first '}'.
        const size_t close = keys.compare(i + 1, 2, "}}") == 0 ? i + 2 : keys.find('}', i + 1);
        if (close == std::string::npos || close == i + 1) {
          throw std::invalid_argument("send keys: unclosed or empty braces in \"" + keys + "\"");
        }
        next = ParseBraced(std::string_view(keys).substr(i + 1, close - i - 1));
        i = close;
        break;
      }
      default: {
        const std::optional<utf8::Decoded> character = utf8::DecodeAt(keys, i);
        if (!character) {
          throw std::invalid_argument("send keys: bytes that are no UTF-8 in \"" + keys + "\"");
        }
        next.push_back(KeyForChar(character->codePoint));
        i += character->length - 1;
        break;
      }
    }
    for (const Key& k : next) out.push_back(WithModifiers(k, modifiers));
    modifiers = 0;
  }
  if (modifiers != 0) {
    throw std::invalid_argument("send keys: modifier with no key in \"" + keys + "\"");
  }
  return out;
}

}  // namespace rd::forms
