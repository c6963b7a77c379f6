// The shipped command tree: every mode is there, every placeholder has a rule, every name a
// command writes has its device settings row in every sub-mode that can reach it, every show
// command has its template block, and no keyword hides another.
#include <map>
#include <set>

#include "content/shipped_content.h"

namespace rd::test {
namespace {

class CommandTree : public ShippedContent {};

TEST_F(CommandTree, HasEveryModeAndEveryNodeAHelpText) {
  const std::set<std::string> modes = Modes();
  for (const char* mode :
       {">", "#", "(config)#", "(config-if)#", "(config-line)#", "(config-subif)#",
        "(config-controller)#", "(config-ext-nacl)#", "(router-config)#"}) {
    EXPECT_TRUE(modes.count(mode)) << "no commands in mode " << mode;
  }
  for (const TreeNode& n : Tree()) EXPECT_FALSE(n.help.empty()) << n.mode << " " << n.path;
}

TEST_F(CommandTree, KeysAreUniquePerTable) {
  for (int level = 0; level <= 9; ++level) {
    const std::string table =
        level == 0 ? "tblsublabcmds" : "tblsublabcmds" + std::to_string(level);
    std::set<std::string> seen;
    for (const Row& r : Rows("SELECT * FROM " + table)) {
      EXPECT_TRUE(seen.insert(r[0]).second) << table << " repeats index " << r[0];
    }
  }
}

TEST_F(CommandTree, EveryPlaceholderHasAnEvaluationRule) {
  std::set<std::string> known;
  for (const Row& r : Rows("SELECT * FROM tblevalsyntax")) known.insert(r[1]);
  EXPECT_EQ(known.size(), 11u);
  for (const TreeNode& n : Tree()) {
    if (n.word.front() == '<') {
      EXPECT_TRUE(known.count(n.word)) << n.mode << " " << n.path;
    }
  }
}

TEST_F(CommandTree, WritingNodesNameOneToThreeSettings) {
  for (const TreeNode& n : Tree()) {
    if (n.writesConfig) {
      EXPECT_GE(n.params.size(), 1u) << n.path;
      EXPECT_LE(n.params.size(), 3u) << n.path;
      EXPECT_FALSE(n.moreWords) << n.path << " writes but needs more words";
    } else {
      EXPECT_TRUE(n.params.empty()) << n.path;
    }
  }
}

// The sub-mode a command runs in puts its name in front of every written name: "interface"
// and "line" choose it, and a sub-mode other than the interface mode forgets it again after a
// command that ends in a keyword, so such modes also write names without prefix.
TEST_F(CommandTree, EveryWrittenNameHasARowForEachSubModeThatReachesIt) {
  const std::vector<TreeNode> tree = Tree();
  std::map<std::string, std::string> nextMode;            // mode and first word -> mode after it
  std::map<std::string, std::set<std::string>> prefixes;  // mode -> reachable prefixes
  for (const TreeNode& n : tree) {
    if (n.level != 0) continue;
    nextMode[n.mode + " " + n.word] = n.nextPrompt;
    const bool entersWithoutInterface = n.word != "interface" && n.mode != n.nextPrompt;
    if (n.nextPrompt != "(config-if)#" || entersWithoutInterface) prefixes[n.nextPrompt].insert("");
    if (n.mode != "(config-if)#") prefixes[n.mode].insert("");
  }
  for (const TreeNode& n : tree) {
    const std::vector<std::string> w = Words(n.path);
    if (n.moreWords || w.size() < 2 || (w[0] != "interface" && w[0] != "line")) continue;
    const std::string prefix = w[0] == "line" ? "line" + w[1] : w[1] + (w.size() > 2 ? w[2] : "");
    prefixes[nextMode[n.mode + " " + w[0]]].insert(prefix);
  }

  std::set<std::string> keys;
  for (const std::string& k : Keys()) keys.insert(Lower(k));
  for (const TreeNode& n : tree) {
    for (const std::string& name : n.params) {
      for (const std::string& prefix : prefixes[n.mode]) {
        const std::string key = prefix.empty() ? name : prefix + "_" + name;
        EXPECT_TRUE(keys.count(Lower(key)))
            << "no routervariables row " << key << " for " << n.mode << " " << n.path;
      }
    }
  }
  EXPECT_TRUE(prefixes["(config-if)#"].count("ethernet0"));
  EXPECT_TRUE(prefixes["(config-if)#"].count("serial0"));
  EXPECT_TRUE(prefixes["(config-line)#"].count("linevty"));
  EXPECT_TRUE(prefixes["(config-line)#"].count("lineconsole"));
}

// "show history" answers from the console's history; every other show command from its block.
TEST_F(CommandTree, EveryShowCommandHasATemplateBlock) {
  std::set<std::string> heads;
  for (const TemplateBlock& b : Template()) heads.insert(b.head);
  int shows = 0;
  for (const TreeNode& n : Tree()) {
    const bool complete = !n.moreWords || n.path == "show interfaces";
    if (n.level == 0 || n.path.rfind("show ", 0) != 0 || !complete) continue;
    ++shows;
    if (n.path == "show history") continue;
    EXPECT_TRUE(heads.count(n.path)) << "no template block for " << n.path;
  }
  EXPECT_GE(shows, 20);
}

// The interpreter has no exact-match preference among siblings: a keyword that begins another
// keyword of the same place could never be typed. At the first word only "ip" is preferred.
TEST_F(CommandTree, NoKeywordIsTheBeginningOfASibling) {
  std::map<std::string, std::vector<std::string>> siblings;  // parent -> literal words
  for (const TreeNode& n : Tree()) {
    if (n.word.front() == '<') continue;
    const std::string parent =
        n.level == 0 ? "mode " + n.mode : n.mode + " " + n.path.substr(0, n.path.rfind(' '));
    siblings[parent].push_back(Lower(n.word));
  }
  for (const auto& [parent, words] : siblings) {
    for (const std::string& a : words) {
      for (const std::string& b : words) {
        if (a == b || b.rfind(a, 0) != 0) continue;
        if (parent.rfind("mode ", 0) == 0 && a == "ip") continue;
        ADD_FAILURE() << parent << ": \"" << a << "\" also begins \"" << b << "\"";
      }
    }
  }
}

TEST_F(CommandTree, ResponsesUseTheSentinelOfTheirLevel) {
  for (const Row& r : Rows("SELECT * FROM tblsublabcmds")) {
    EXPECT_FALSE(r[14].empty()) << r[3];
    EXPECT_NE(r[14], "null") << r[3] << ": a first word prints \"null\" literally";
  }
  for (const TreeNode& n : Tree()) {
    if (n.level == 0 || !n.moreWords) continue;
    EXPECT_EQ(n.response, "null") << n.path << " needs more words and must keep the response";
  }
}

}  // namespace
}  // namespace rd::test
