#include "device/show_template.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rd {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

namespace {

std::vector<std::string> ReadTemplateLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the show template " + path);
  std::stringstream text;
  text << in.rdbuf();
  return SplitLines(text.str());
}

}  // namespace

std::vector<std::vector<std::string>> ReadTemplateBlocks(const std::string& path,
                                                         const std::string& head) {
  const std::vector<std::string> lines = ReadTemplateLines(path);

  std::vector<std::vector<std::string>> blocks;
  size_t i = 0;
  while (i < lines.size()) {
    const bool match = lines[i] == head;
    const bool stray = lines[i].empty();
    ++i;
    if (stray) continue;
    std::vector<std::string> block;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
      if (match) block.push_back(lines[i]);
    }
    ++i;  // the empty line that ends the block
    if (match) blocks.push_back(std::move(block));
  }
  return blocks;
}

std::optional<std::vector<std::string>> ReadLinesAfter(const std::string& path,
                                                       const std::string& head) {
  const std::vector<std::string> lines = ReadTemplateLines(path);
  auto it = std::find(lines.begin(), lines.end(), head);
  if (it == lines.end()) return std::nullopt;
  const auto first = it + 1;
  return std::vector<std::string>(first, std::find(first, lines.end(), std::string()));
}

std::optional<std::string> SubstituteLine(db::Connection& conn, const TemplateDevice& device,
                                          const std::string& line, VariableQuery form) {
  size_t dollar = line.find('$');
  if (dollar == std::string::npos) return line;

  auto valueOf = [&](const std::string& name) {
    return RequireDeviceVariable(conn, name, device.column, form);
  };

  // A line that is nothing but one reference is dropped when the setting is unset.
  const std::string whole = line.substr(1);
  if (dollar == 0 && whole != "uptime" && whole.find_first_of(" $") == std::string::npos) {
    std::string value = valueOf(whole);
    if (value == "nill") return std::nullopt;
    return value;
  }

  std::string out = line.substr(0, dollar);
  while (dollar != std::string::npos) {
    const size_t next = line.find('$', dollar + 1);
    const std::string piece =
        line.substr(dollar + 1, next == std::string::npos ? std::string::npos : next - dollar - 1);
    if (piece == "uptime") {
      out += device.uptime;
    } else {
      const size_t blank = piece.find(' ');
      out += valueOf(piece.substr(0, blank));
      if (blank != std::string::npos) out += piece.substr(blank);
    }
    dollar = next;
  }
  return out;
}

}  // namespace rd
