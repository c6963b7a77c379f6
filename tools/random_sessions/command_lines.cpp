#include "command_lines.h"

#include <cctype>
#include <stdexcept>

#include "table_reader.h"

namespace rd::sessions {
namespace {

constexpr int kLevels = 10;  // tblsublabcmds, then tblsublabcmds1 to tblsublabcmds9

const std::vector<std::string>& OddWords() {
  static const std::vector<std::string> words = {"R9",
                                                 "Edge",
                                                 "a<b",
                                                 "caf\xC3\xA9",
                                                 "\xC2\xA3"
                                                 "5",
                                                 "nill",
                                                 "exit",
                                                 "x:y",
                                                 "back\\slash",
                                                 "<WORD>",
                                                 "0",
                                                 "-1",
                                                 "99999999999999",
                                                 "\xE2\x82\xAC",
                                                 "\xF0\x9F\x98\x80",
                                                 "\xE4\xB8\xAD\xE6\x96\x87",
                                                 "a b",
                                                 "%s%n"};
  return words;
}

std::string Number(Random& random) {
  switch (random.Below(5)) {
    case 0:
      return std::to_string(random.Between(0, 9));
    case 1:
      return std::to_string(random.Between(0, 65535));
    case 2:
      return "-" + std::to_string(random.Between(1, 100));
    case 3:
      return "4294967296123";
    default:
      return std::to_string(random.Between(1, 200));
  }
}

std::string Address(Random& random) {
  if (random.Chance(15))
    return random.Pick(
        std::vector<std::string>{"1.2.3", "300.1.1.1", "a.b.c.d", "10..0.1", "255.255.255.255"});
  if (random.Chance(30))
    return random.Pick(std::vector<std::string>{"255.255.255.0", "255.255.0.0", "255.255.255.252"});
  const int net = random.Between(0, 3);
  const std::vector<std::string> bases = {"10.0.0.", "10.1.1.", "192.168.1.", "172.16.0."};
  return bases[static_cast<size_t>(net)] + std::to_string(random.Between(0, 255));
}

}  // namespace

CommandLines::CommandLines(const std::string& databasePath) {
  std::map<std::pair<int, std::string>, size_t> byIndex;  // (level, index) -> node
  for (int level = 0; level < kLevels; ++level) {
    const std::string table =
        level == 0 ? "tblsublabcmds" : "tblsublabcmds" + std::to_string(level);
    const std::string sql =
        level == 0 ? "SELECT \"index\", command, commandprompt, nextprompt FROM tblsublabcmds"
                   : "SELECT \"index\", command, ref FROM " + table;
    const std::optional<Table> rows = ReadTable(databasePath, sql);
    if (!rows) throw std::runtime_error("can't read " + table + " from " + databasePath);
    for (const std::vector<std::string>& row : rows->rows) {
      const size_t id = nodes_.size();
      nodes_.push_back(Node{row[1], {}});
      byIndex[{level, row[0]}] = id;
      if (level == 0) {
        if (!firstWords_.contains(row[2])) typedModes_.push_back(row[2]);
        firstWords_[row[2]].push_back(id);
        modes_.insert(row[2]);
        if (!row[3].empty()) modes_.insert(row[3]);
      } else if (auto parent = byIndex.find({level - 1, row[2]}); parent != byIndex.end()) {
        nodes_[parent->second].children.push_back(id);
      }
    }
  }
  if (typedModes_.empty())
    throw std::runtime_error("the command tree of " + databasePath + " is empty");
}

std::string CommandLines::Typed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '+' || c == '^' || c == '%' || c == '~' || c == '{' || c == '}') {
      out += std::string("{") + c + "}";
    } else {
      out += c;
    }
  }
  return out;
}

std::string CommandLines::Value(Random& random, const std::string& placeholder) {
  if (random.Chance(8)) return placeholder;  // as the "?" help prints it
  if (random.Chance(8)) return random.Pick(OddWords());
  if (placeholder == "<A.B.C.D>") return Address(random);
  if (placeholder == "<PPP/HDLC>") return random.Pick(std::vector<std::string>{"ppp", "hdlc", "x"});
  if (placeholder == "<PERMIT/DENY>")
    return random.Pick(std::vector<std::string>{"permit", "deny", "perm"});
  if (placeholder == "<WORD>" || placeholder == "<LINE>") {
    return random.Pick(
        std::vector<std::string>{"R1", "R2", "R3", "S1", "Lab", "secret", "pass word"});
  }
  return Number(random);
}

std::string CommandLines::Word(Random& random, const std::string& word) const {
  if (word.starts_with("<")) return Value(random, word);
  std::string typed = word;
  if (random.Chance(30) && word.size() > 1) {
    typed = word.substr(0, static_cast<size_t>(random.Between(1, static_cast<int>(word.size()))));
  }
  if (random.Chance(5)) {
    for (char& c : typed) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (random.Chance(3)) typed.insert(random.Below(typed.size() + 1), 1, 'q');
  return typed;
}

std::string CommandLines::Line(Random& random, const std::string& prompt) const {
  const std::string mode =
      firstWords_.contains(prompt) && !random.Chance(15) ? prompt : random.Pick(typedModes_);
  const std::vector<size_t>& first = firstWords_.at(mode);
  std::string line = random.Chance(5) ? " " : "";
  size_t node = random.Pick(first);
  for (int words = 0;; ++words) {
    if (words > 0) line += random.Chance(5) ? "  " : " ";
    line += Word(random, nodes_[node].word);
    if (nodes_[node].children.empty() || random.Chance(12)) break;
    node = random.Pick(nodes_[node].children);
  }
  return Typed(line);
}

std::string OddText(Random& random) {
  switch (random.Below(5)) {
    case 0: {
      std::string line;
      const size_t length = 200 + random.Below(2800);
      while (line.size() < length) line += random.Pick(OddWords()) + " ";
      return CommandLines::Typed(line);
    }
    case 1:
      return CommandLines::Typed(
          "sh\xC3\xB6w \xC3\xA9t\xC3\xA9 \xC2\xA3\xE2\x82\xAC \xF0\x9F\x98\x80");
    case 2:
      return "{+}{^}{%}{~}{{}{}}()[]<>|\\/\"'`";
    case 3: {
      std::string line;
      for (size_t i = 0, n = 1 + random.Below(40); i < n; ++i) {
        line += static_cast<char>(random.Between(0x20, 0x7e));
      }
      return CommandLines::Typed(line);
    }
    default:
      return CommandLines::Typed(std::string(static_cast<size_t>(random.Between(1, 600)), 'a'));
  }
}

}  // namespace rd::sessions
