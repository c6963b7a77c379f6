#include "minimize.h"

#include <algorithm>

namespace rd::sessions {
namespace {

constexpr const char* kKeys = "keys ";

// items without the ones that `fails` does not need, leaving out runs of neighbours together.
template <class Item>
std::vector<Item> Shortest(std::vector<Item> items,
                           const std::function<bool(const std::vector<Item>&)>& fails) {
  for (bool shortened = true; shortened;) {
    shortened = false;
    for (size_t run = std::max<size_t>(items.size() / 2, 1); run >= 1;
         run = run > 2 ? std::max<size_t>(run / 2, 2) : run - 1) {
      // Small runs are tried at every position, large ones side by side.
      const size_t step = run <= 2 ? 1 : run;
      for (size_t start = 0; start + run <= items.size();) {
        std::vector<Item> fewer = items;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(start),
                    fewer.begin() + static_cast<std::ptrdiff_t>(start + run));
        if (fails(fewer)) {
          items = std::move(fewer);
          shortened = true;
        } else {
          start += step;
        }
      }
    }
  }
  return items;
}

// The keys of a typed line's text: a braced name, a modifier with its key, or one character
// (the bytes of a UTF-8 character stay together).
std::vector<std::string> KeyTokens(const std::string& text) {
  std::vector<std::string> tokens;
  for (size_t i = 0; i < text.size();) {
    size_t end = i;
    while (end < text.size() && (text[end] == '+' || text[end] == '^' || text[end] == '%')) ++end;
    if (end < text.size() && text[end] == '{') {
      const size_t close = text.compare(end + 1, 2, "}}") == 0 ? end + 2 : text.find('}', end + 1);
      end = close == std::string::npos ? text.size() : close + 1;
    } else {
      ++end;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    tokens.push_back(text.substr(i, end - i));
    i = end;
  }
  return tokens;
}

// "keys FORM CONTROL " of a typed line.
size_t KeysStart(const std::string& line) {
  size_t blanks = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ' ' && ++blanks == 3) return i + 1;
  }
  return line.size();
}

}  // namespace

Script Minimize(Script script, const std::function<bool(const Script&)>& fails) {
  script = Shortest<std::string>(script, fails);
  for (size_t i = 0; i < script.size(); ++i) {
    if (!script[i].starts_with(kKeys)) continue;
    const std::string head = script[i].substr(0, KeysStart(script[i]));
    const std::vector<std::string> tokens = Shortest<std::string>(
        KeyTokens(script[i].substr(head.size())), [&](const std::vector<std::string>& kept) {
          Script changed = script;
          changed[i] = head;
          for (const std::string& token : kept) changed[i] += token;
          return fails(changed);
        });
    script[i] = head;
    for (const std::string& token : tokens) script[i] += token;
  }
  return script;
}

}  // namespace rd::sessions
