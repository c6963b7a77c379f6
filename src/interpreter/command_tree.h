// Read access to the command tree: the first words of a mode (tblsublabcmds) and the children
// of a node (tblsublabcmds1 to tblsublabcmds9), each in the tables' natural order. Children are
// selected by their parent's index directly; abbreviation matching happens in code so that no
// typed text ever reaches a query.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/db.h"

namespace rd::interp {

// The deepest tree level: word 10 of a line lives in tblsublabcmds9.
inline constexpr int kDeepestLevel = 9;

// The response text of a deeper node that leaves gResponse unchanged.
inline constexpr std::string_view kNoResponse = "null";

// Fields shared by the nodes of every level.
struct TreeNode {
  int16_t index = 0;
  std::string command;  // keyword, or a placeholder such as "<A.B.C.D>"
  bool writesConfig = false;
  std::vector<std::string> paramNames;  // routervariables keys written by the node
  bool moreWords = false;
  std::string response;
  std::string help;  // help text (commanddesc)

  bool IsPlaceholder() const { return !command.empty() && command.front() == '<'; }
};

// A row of tblsublabcmds: a first word in one mode.
struct FirstWord : TreeNode {
  std::string mode;  // commandprompt
  std::string nextPrompt;
  bool enabled = false;
};

// The queries behind FirstWords and Children, as sent.
std::string FirstWordsQuery(const std::string& prompt);
std::string ChildrenQuery(int level, int16_t parent);

class CommandTree {
 public:
  // Reads through `conn`, which must stay open while the tree is used.
  explicit CommandTree(db::Connection& conn) : conn_(conn) {}

  // First words whose mode equals `prompt` as the database compares it (without regard to case).
  std::vector<FirstWord> FirstWords(const std::string& prompt);
  // The nodes of `level` (1 to 9) whose parent is the node `parent` one level up.
  std::vector<TreeNode> Children(int level, int16_t parent);

 private:
  db::Connection& conn_;
};

// The keyword nodes whose keyword begins with `typed` (without regard to case), in order. A
// placeholder is never a keyword: it is matched only through its rule (EvalSyntax), so that
// "<WORD>" typed as it is listed is judged as a word like any other.
template <class Node>
std::vector<Node> Abbreviated(const std::vector<Node>& nodes, std::string_view typed);

// The first word that is exactly "ip" (without regard to case), or nullptr: a typed "ip"
// that abbreviates several first words means this one.
const FirstWord* ExactIp(const std::vector<FirstWord>& mode);

// The placeholder nodes among `nodes`, in order.
std::vector<TreeNode> Placeholders(const std::vector<TreeNode>& nodes);

// The keywords joined by single blanks, empty slots left out: the command text of a line.
std::string JoinKeywords(const std::vector<std::string>& keywords);

}  // namespace rd::interp
