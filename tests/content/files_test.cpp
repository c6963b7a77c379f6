// The files beside the database: the logo, the network diagrams (each drawn from a Graphviz
// source, at the size of the box that shows it), the links of the help pages wherever they
// are copied, and the generated commands page.
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "app/app_host.h"
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

struct Size {
  int width = 0, height = 0;
};

// A GIF's size, from its logical screen descriptor (two little-endian 16-bit numbers after the
// six-byte signature); {0, 0} when the file is no GIF.
Size GifSize(const fs::path& file) {
  const std::string head = Read(file).substr(0, 10);
  if (head.size() < 10 || head.rfind("GIF8", 0) != 0) return {};
  const auto word = [&head](size_t at) {
    return static_cast<unsigned char>(head[at]) | static_cast<unsigned char>(head[at + 1]) << 8;
  };
  return {word(6), word(8)};
}

// The picture view scales a picture into its box keeping its proportions, up or down: a
// picture is shown at its own size, its texts as drawn, when it fits the box and fills the
// box's width or height.
void ExpectShownAtOwnSize(const fs::path& picture, Size box, const std::string& where) {
  const Size size = GifSize(picture);
  const bool fits = size.width <= box.width && size.height <= box.height;
  const bool fills = size.width == box.width || size.height == box.height;
  EXPECT_TRUE(fits && fills) << picture.filename() << " is " << size.width << " x " << size.height
                             << ", shown in " << where << " of " << box.width << " x " << box.height
                             << ": draw it at the box's size "
                             << "(tools/content/make_pictures.sh)";
}

TEST_F(Files, PicturesAreShownAtTheirOwnSizeInTheirBoxes) {
  services::ScriptedServices services;
  const std::unique_ptr<AppHost> host = MakeApp(services);
  std::set<std::string> checked;
  Size labDiagramBox;  // the lab diagram window's box, which gets an exercise's diagram
  for (const forms::Form* form : host->ui().Forms()) {
    for (forms::Control* control : form->Controls()) {
      if (control->Kind() != forms::ControlKind::PictureBox) continue;
      const auto& box = static_cast<const forms::PictureBox&>(*control);
      const std::string where = form->Name() + "." + box.Name();
      if (where == "Form27.Image1") labDiagramBox = {box.Width, box.Height};
      // A picture set at design (the simulator's diagram); every window's Picture1 gets the
      // logo when it loads.
      const std::string picture = box.Name() == "Picture1" ? "simulator-logo.gif" : box.Picture;
      if (picture.empty()) continue;
      ExpectShownAtOwnSize(SourceRunDir() / picture, {box.Width, box.Height}, where);
      checked.insert(picture);
    }
  }
  EXPECT_EQ(checked, (std::set<std::string>{"simulator-logo.gif", "simulator-network.gif"}));
  ASSERT_GT(labDiagramBox.width, 0) << "no lab diagram window Form27.Image1";
  for (const Row& r : Rows("SELECT * FROM sublab")) {
    ExpectShownAtOwnSize(SourceRunDir() / r[2], labDiagramBox, "Form27.Image1");
  }
}

// A local link or picture of a page: the file it names (relative to the page) and the
// fragment after "#" ("" for none; a link to "#x" names no file).
struct Link {
  std::string file;
  std::string fragment;
};

std::vector<Link> Links(const std::string& html) {
  static const std::regex link(R"re((?:href|src)="([^"#]*)(?:#([^"]*))?")re");
  std::vector<Link> out;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator();
       ++it) {
    const std::string target = (*it)[1];
    if (target.find(':') == std::string::npos) out.push_back(Link{target, (*it)[2]});
  }
  return out;
}

bool Inside(const fs::path& file, const fs::path& folder) {
  const fs::path rel = file.lexically_relative(folder);
  return !rel.empty() && *rel.begin() != "..";
}

// The help is copied into the run folder (the start page opens from there) and beside the
// programs (the supported-commands page opens from there). In both copies every link and
// picture of every page resolves to a file of the same copy, and every fragment to an anchor of
// its page; the start page leads to every page.
TEST_F(Files, EveryHelpLinkResolvesInsideEachCopyOfTheHelp) {
  for (const fs::path& help : {BuiltRunDir() / "help", fs::path(RD_BINARY_DIR) / "bin" / "help"}) {
    SCOPED_TRACE(help);
    ASSERT_TRUE(fs::exists(help / "html" / "commands.html")) << "build the run folder first";
    std::map<fs::path, std::set<fs::path>> pagesLinked;  // page -> the pages it links to
    for (const auto& entry : fs::recursive_directory_iterator(help)) {
      if (entry.path().extension() != ".html") continue;
      const fs::path page = entry.path();
      std::set<fs::path>& linked = pagesLinked[page];
      for (const Link& link : Links(Read(page))) {
        const fs::path file =
            link.file.empty() ? page : (page.parent_path() / link.file).lexically_normal();
        EXPECT_TRUE(Inside(file, help)) << page.filename() << " reaches out to " << link.file;
        EXPECT_TRUE(fs::is_regular_file(file))
            << page.filename() << " links to missing " << link.file;
        if (!link.fragment.empty()) {
          EXPECT_NE(Read(file).find("id=\"" + link.fragment + "\""), std::string::npos)
              << page.filename() << " links to missing anchor " << link.file << "#"
              << link.fragment;
        }
        if (file.extension() == ".html") linked.insert(file);
      }
    }
    std::set<fs::path> reached{help / "quillonhelp1.html"};
    for (std::vector<fs::path> pending(reached.begin(), reached.end()); !pending.empty();) {
      const fs::path page = pending.back();
      pending.pop_back();
      for (const fs::path& next : pagesLinked[page]) {
        if (reached.insert(next).second) pending.push_back(next);
      }
    }
    for (const auto& [page, linked] : pagesLinked) {
      EXPECT_TRUE(reached.contains(page)) << page.filename() << " is not reached from the start";
    }
    for (const char* page : {"starting", "modes", "keys", "first-steps", "labs", "admin"}) {
      EXPECT_TRUE(pagesLinked.contains(help / "html" / (std::string(page) + ".html"))) << page;
    }
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
