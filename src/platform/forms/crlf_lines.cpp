#include "platform/forms/crlf_lines.h"

#include "platform/forms/forms.h"

namespace rd::forms {

std::vector<std::string> SplitCrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t pos = text.find(CRLF); pos != std::string::npos; pos = text.find(CRLF, start)) {
    lines.push_back(text.substr(start, pos - start));
    start = pos + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace rd::forms
