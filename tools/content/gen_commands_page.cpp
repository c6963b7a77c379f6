// routedrill-commands-page DATABASE OUT.html: writes the supported-commands page from the
// command tree of a built lab database, so that the page always lists exactly the commands the
// devices know: one section per mode, every command path with the help text of its last word,
// marked where a command may end.
#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kLevels = 10;  // tblsublabcmds and tblsublabcmds1 to tblsublabcmds9

struct Node {
  int index = 0;
  std::string word;
  std::string help;
  bool moreWords = false;
  std::vector<Node> children;
};

struct FirstWord {
  std::string mode;
  Node node;
};

// A read-only handle on the database file; closes itself.
class Database {
 public:
  explicit Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      throw std::runtime_error("cannot open " + path + ": " + sqlite3_errmsg(db_));
    }
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs `sql` and calls `row` with the text of every column, in the table's natural order.
  template <class Row>
  void Each(const std::string& sql, Row row) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string("query failed: ") + sqlite3_errmsg(db_));
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      std::vector<std::string> cells;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const auto* text = sqlite3_column_text(stmt, i);
        cells.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
      }
      row(cells);
    }
    sqlite3_finalize(stmt);
  }

 private:
  sqlite3* db_ = nullptr;
};

bool IsTrue(const std::string& cell) { return !cell.empty() && cell != "0"; }

// Reads the children of every node of level `level` (1 to 9), keyed by their parent's index.
std::map<int, std::vector<Node>> ReadLevel(Database& db, int level) {
  std::map<int, std::vector<Node>> byParent;
  const std::string table = "tblsublabcmds" + std::to_string(level);
  db.Each(
      "SELECT \"index\", command, morewords, commanddesc, ref FROM " + table + " ORDER BY rowid",
      [&](const std::vector<std::string>& c) {
        byParent[std::stoi(c[4])].push_back(Node{std::stoi(c[0]), c[1], c[3], IsTrue(c[2]), {}});
      });
  return byParent;
}

void AttachChildren(Node& node, int level, std::vector<std::map<int, std::vector<Node>>>& levels) {
  if (level >= kLevels) return;
  auto found = levels[level].find(node.index);
  if (found == levels[level].end()) return;
  node.children = found->second;
  for (Node& child : node.children) AttachChildren(child, level + 1, levels);
}

std::vector<FirstWord> ReadTree(Database& db) {
  std::vector<std::map<int, std::vector<Node>>> levels(kLevels);
  for (int level = 1; level < kLevels; ++level) levels[level] = ReadLevel(db, level);

  std::vector<FirstWord> firstWords;
  db.Each(
      "SELECT \"index\", commandprompt, command, morewords, commanddesc FROM tblsublabcmds "
      "ORDER BY rowid",
      [&](const std::vector<std::string>& c) {
        firstWords.push_back({c[1], Node{std::stoi(c[0]), c[2], c[4], IsTrue(c[3]), {}}});
      });
  for (FirstWord& first : firstWords) AttachChildren(first.node, 1, levels);
  return firstWords;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The title of a mode's section: what the mode is and the prompt a router shows in it.
std::string ModeTitle(const std::string& mode) {
  static const std::map<std::string, std::string> names = {
      {"", "Switch management menu"},
      {">", "User EXEC mode"},
      {"#", "Privileged EXEC mode"},
      {"(config)#", "Global configuration mode"},
      {"(config-if)#", "Interface configuration mode"},
      {"(config-subif)#", "Sub-interface configuration mode"},
      {"(config-line)#", "Line configuration mode"},
      {"(config-controller)#", "Controller configuration mode"},
      {"(config-ext-nacl)#", "Extended access list configuration mode"},
      {"(router-config)#", "Routing protocol configuration mode"},
  };
  const auto found = names.find(mode);
  const std::string name = found != names.end() ? found->second : "Mode";
  return name + (mode.empty() ? " (no prompt)" : " (prompt R1" + mode + ")");
}

// A command may end at a node that takes no more words; "show interfaces" also ends on its own,
// although it may be followed by an interface.
bool MayEnd(const Node& node, const std::string& path) {
  return !node.moreWords || path == "show interfaces";
}

void WriteRows(std::ostream& out, const Node& node, const std::string& prefix, int depth) {
  const std::string path = prefix.empty() ? node.word : prefix + " " + node.word;
  out << "<tr><td style=\"padding-left:" << 0.6 + 1.2 * depth << "em\"><code>" << Escape(path)
      << "</code></td><td>" << Escape(node.help) << "</td><td>"
      << (MayEnd(node, path) ? "&lt;cr&gt;" : "") << "</td></tr>\n";
  for (const Node& child : node.children) WriteRows(out, child, path, depth + 1);
}

void WritePage(std::ostream& out, const std::vector<FirstWord>& tree) {
  std::vector<std::string> modes;
  for (const FirstWord& first : tree) {
    if (std::find(modes.begin(), modes.end(), first.mode) == modes.end()) {
      modes.push_back(first.mode);
    }
  }
  out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\">"
         "<title>Supported commands</title>\n<link rel=\"stylesheet\" href=\"help.css\"></head>\n"
         "<body>\n<p class=\"nav\"><a href=\"../quillonhelp1.html\">Contents</a></p>\n"
         "<h1>Supported commands</h1>\n"
         "<p>Every command the simulated routers and switches know, mode by mode. Words in angle "
         "brackets are values you type (see <a href=\"keys.html\">Keys at the console</a>); "
         "&lt;cr&gt; marks where a command may end. Any keyword may be abbreviated as long as it "
         "stays unique.</p>\n<ul>\n";
  for (size_t i = 0; i < modes.size(); ++i) {
    out << "<li><a href=\"#mode" << i << "\">" << Escape(ModeTitle(modes[i])) << "</a></li>\n";
  }
  out << "</ul>\n";
  for (size_t i = 0; i < modes.size(); ++i) {
    out << "<h2 class=\"mode\" id=\"mode" << i << "\">" << Escape(ModeTitle(modes[i]))
        << "</h2>\n<table>\n<tr><th>Command</th><th>Description</th><th></th></tr>\n";
    for (const FirstWord& first : tree) {
      if (first.mode == modes[i]) WriteRows(out, first.node, "", 0);
    }
    out << "</table>\n";
  }
  out << "</body>\n</html>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: routedrill-commands-page DATABASE OUT.html\n";
    return 2;
  }
  try {
    Database db(argv[1]);
    const std::vector<FirstWord> tree = ReadTree(db);
    std::ofstream out(argv[2], std::ios::binary);
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    WritePage(out, tree);
  } catch (const std::exception& e) {
    std::cerr << "routedrill-commands-page: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
