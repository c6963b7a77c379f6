// The files beside the database: the logo, the network diagrams (each drawn from a Graphviz
// source), the help pages reachable from the start page, and the generated commands page.
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "content/shipped_content.h"

namespace rd::test {
namespace {

namespace fs = std::filesystem;

class Files : public ShippedContent {};

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool IsGif(const fs::path& file) { return Read(file).rfind("GIF8", 0) == 0; }

TEST_F(Files, PicturesAreGifsDrawnFromGraphvizSources) {
  std::vector<std::string> pictures{"simulator-logo.gif", "simulator-network.gif"};
  for (const Row& r : Rows("SELECT * FROM sublab")) pictures.push_back(r[2]);
  for (const std::string& picture : pictures) {
    EXPECT_TRUE(IsGif(SourceRunDir() / picture)) << picture << " is missing or no GIF";
    const fs::path source = SourceDir() / "data" / "diagrams" / fs::path(picture).stem();
    EXPECT_TRUE(fs::exists(source.string() + ".dot")) << picture << " has no source";
  }
}

// Every local link and picture of a page, without its fragment.
std::vector<std::string> Links(const std::string& html) {
  static const std::regex link(R"re((?:href|src)="([^"#]*)(?:#[^"]*)?")re");
  std::vector<std::string> out;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator();
       ++it) {
    const std::string target = (*it)[1];
    if (!target.empty() && target.find("://") == std::string::npos) out.push_back(target);
  }
  return out;
}

// The commands page is generated into the built run folder; every other page is committed.
TEST_F(Files, HelpPagesReachableFromTheStartPageExist) {
  const fs::path start = SourceRunDir() / "help" / "quillonhelp1.html";
  ASSERT_TRUE(fs::exists(start));
  std::set<fs::path> seen{start};
  std::vector<fs::path> pending{start};
  while (!pending.empty()) {
    const fs::path page = pending.back();
    pending.pop_back();
    for (const std::string& target : Links(Read(page))) {
      const fs::path file = (page.parent_path() / target).lexically_normal();
      const fs::path rel = file.lexically_relative(SourceRunDir());
      if (rel == fs::path("help/html/commands.html")) continue;
      EXPECT_TRUE(fs::exists(file)) << page.filename() << " links to missing " << target;
      if (file.extension() == ".html" && fs::exists(file) && seen.insert(file).second) {
        pending.push_back(file);
      }
    }
  }
  for (const char* page : {"starting", "modes", "keys", "first-steps", "labs", "admin"}) {
    EXPECT_TRUE(seen.count(SourceRunDir() / "help" / "html" / (std::string(page) + ".html")))
        << page << " is not reachable from the start page";
  }
}

TEST_F(Files, GeneratedCommandsPageListsEveryModeAndCommandPath) {
  const fs::path page = BuiltRunDir() / "help" / "html" / "commands.html";
  ASSERT_TRUE(fs::exists(page)) << "build the run folder first";
  const std::string html = Read(page);
  const auto escaped = [](std::string text) {
    return std::regex_replace(std::regex_replace(text, std::regex("<"), "&lt;"), std::regex(">"),
                              "&gt;");
  };
  for (const std::string& mode : Modes()) {
    EXPECT_NE(html.find(escaped(mode.empty() ? "(no prompt)" : "R1" + mode + ")")),
              std::string::npos)
        << "no section for mode " << mode;
  }
  for (const TreeNode& n : Tree()) {
    EXPECT_NE(html.find("<code>" + escaped(n.path) + "</code></td><td>" + escaped(n.help)),
              std::string::npos)
        << n.path;
  }
}

}  // namespace
}  // namespace rd::test
