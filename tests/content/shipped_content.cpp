#include "content/shipped_content.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace rd::test {

namespace fs = std::filesystem;

void ShippedContent::SetUp() {
  std::vector<std::string> content;
  for (const auto& entry : fs::directory_iterator(SourceDir() / "data" / "content")) {
    if (entry.path().extension() == ".sql") content.push_back(entry.path().string());
  }
  std::sort(content.begin(), content.end());
  work_.BuildDatabase(content);
  fs::copy_file(SourceRunDir() / "showcommands.txt", work_.path() / "showcommands.txt");
}

std::vector<Row> ShippedContent::Rows(const std::string& sql) {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open(sql, conn);
  std::vector<Row> rows;
  for (; !rs.EOF_(); rs.MoveNext()) {
    Row row;
    for (int i = 0; i < rs.FieldCount(); ++i) row.push_back(rs.Field(i).Text());
    rows.push_back(std::move(row));
  }
  return rows;
}

namespace {

bool IsTrue(const std::string& cell) { return !cell.empty() && cell != "0"; }

std::vector<std::string> Params(const Row& row, int countPos) {
  std::vector<std::string> names;
  const int count = row[countPos].empty() ? 0 : std::stoi(row[countPos]);
  for (int i = 0; i < count; ++i) names.push_back(row[countPos + 1 + i]);
  return names;
}

}  // namespace

std::vector<TreeNode> ShippedContent::Tree() {
  std::vector<TreeNode> nodes;
  std::map<int, size_t> upper;  // index of the level above -> position in `nodes`
  for (const Row& r : Rows("SELECT * FROM tblsublabcmds")) {
    TreeNode n;
    n.index = std::stoi(r[0]);
    n.mode = r[2];
    n.word = n.path = r[3];
    n.nextPrompt = r[4];
    n.writesConfig = IsTrue(r[6]);
    n.params = Params(r, 9);
    n.moreWords = IsTrue(r[13]);
    n.response = r[14];
    n.help = r[15];
    upper[n.index] = nodes.size();
    nodes.push_back(n);
  }
  for (int level = 1; level <= 9; ++level) {
    std::map<int, size_t> current;
    for (const Row& r : Rows("SELECT * FROM tblsublabcmds" + std::to_string(level))) {
      TreeNode n;
      n.level = level;
      n.index = std::stoi(r[0]);
      n.word = r[1];
      n.writesConfig = IsTrue(r[2]);
      n.params = Params(r, 3);
      n.moreWords = IsTrue(r[7]);
      n.response = r[8];
      n.help = r[9];
      const auto parent = upper.find(std::stoi(r[10]));
      if (parent == upper.end()) {
        ADD_FAILURE() << "tblsublabcmds" << level << " row " << n.index << " (" << n.word
                      << ") has no parent";
        continue;
      }
      n.mode = nodes[parent->second].mode;
      n.path = nodes[parent->second].path + " " + n.word;
      current[n.index] = nodes.size();
      nodes.push_back(n);
    }
    upper = std::move(current);
  }
  return nodes;
}

std::set<std::string> ShippedContent::Modes() {
  std::set<std::string> modes;
  for (const Row& r : Rows("SELECT * FROM tblsublabcmds")) {
    modes.insert(r[2]);
    modes.insert(r[4]);
  }
  return modes;
}

std::vector<std::string> ShippedContent::Keys() {
  std::vector<std::string> keys;
  for (const Row& r : Rows("SELECT * FROM routervariables")) keys.push_back(r[0]);
  return keys;
}

std::map<std::string, std::string> ShippedContent::Devices() {
  db::Connection conn;
  conn.Open(TestWorkdir::ConnStr());
  db::Recordset rs;
  rs.Open("select * from routervariables where Config_Variable = 'HostName'", conn);
  std::map<std::string, std::string> devices;
  for (int i = 2; i < rs.FieldCount(); i += 2) devices[rs.FieldName(i)] = rs.Field(i - 1).Text();
  return devices;
}

std::vector<TemplateBlock> ShippedContent::Template() {
  std::ifstream in(SourceRunDir() / "showcommands.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::vector<TemplateBlock> blocks;
  bool open = false;
  std::string line;
  while (std::getline(text, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      open = false;
    } else if (!open) {
      blocks.push_back({line, {}});
      open = true;
    } else {
      blocks.back().lines.push_back(line);
    }
  }
  return blocks;
}

std::vector<std::string> References(const std::string& line) {
  std::vector<std::string> names;
  size_t dollar = line.find('$');
  while (dollar != std::string::npos) {
    const size_t next = line.find('$', dollar + 1);
    const std::string piece =
        line.substr(dollar + 1, next == std::string::npos ? next : next - dollar - 1);
    if (piece != "uptime") names.push_back(piece.substr(0, piece.find(' ')));
    dollar = next;
  }
  return names;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  for (size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
    words.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
  words.push_back(text.substr(start));
  return words;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace rd::test
