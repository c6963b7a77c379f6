#include "console/transcript.h"

#include <vector>

namespace rd::console {
namespace {

// Start positions of the last `count` line breaks, the last one first (fewer when the text has
// fewer). Looking only at the tail keeps the cost independent of the length of the session.
std::vector<size_t> LastBreaks(const std::string& text, size_t count) {
  std::vector<size_t> found;
  size_t limit = text.size();  // the next break must end at or before limit
  while (found.size() < count && limit >= 2) {
    const size_t pos = text.rfind(kCrLf, limit - 2);
    if (pos == std::string::npos) break;
    found.push_back(pos);
    limit = pos;
  }
  return found;
}

}  // namespace

std::string LineFromEnd(const std::string& text, int fromEnd) {
  const size_t j = static_cast<size_t>(fromEnd);
  const std::vector<size_t> breaks = LastBreaks(text, j + 1);
  if (breaks.size() < j) return "";
  const size_t end = j == 0 ? text.size() : breaks[j - 1];
  const size_t start = breaks.size() > j ? breaks[j] + 2 : 0;
  return text.substr(start, end - start);
}

std::string WithoutLastLines(const std::string& text, int dropped) {
  const size_t k = static_cast<size_t>(dropped);
  if (k == 0) return text;
  const std::vector<size_t> breaks = LastBreaks(text, k);
  return breaks.size() < k ? "" : text.substr(0, breaks[k - 1]);
}

std::string TypedLine(const std::string& text) {
  std::string last = LineFromEnd(text, 0);
  return last.empty() ? LineFromEnd(text, 1) : last;
}

}  // namespace rd::console
