#include "interpreter/command_tree.h"

#include <algorithm>

#include "device/device_state.h"
#include "interpreter/words.h"
#include "platform/text/ascii.h"

namespace rd::interp {
namespace {

// paramcount is empty on rows that write nothing; a node names at most three parameters.
std::vector<std::string> ParamNames(const db::Recordset& rs, int countPos, int firstNamePos) {
  const db::Value& count = rs.Field(countPos);
  const int n = count.Text().empty() ? 0 : std::clamp<int>(count.Int16(), 0, 3);
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) names.push_back(rs.Field(firstNamePos + i).Text());
  return names;
}

FirstWord ReadFirstWord(const db::Recordset& rs) {
  FirstWord w;
  w.index = rs.Field(0).Int16();
  w.mode = rs.Field(2).Text();
  w.command = rs.Field(3).Text();
  w.nextPrompt = rs.Field(4).Text();
  w.enabled = rs.Field(5).Bool();
  w.writesConfig = rs.Field(6).Bool();
  w.paramNames = ParamNames(rs, 9, 10);
  w.moreWords = rs.Field(13).Bool();
  w.response = rs.Field(14).Text();
  w.help = rs.Field(15).Text();
  return w;
}

TreeNode ReadTreeNode(const db::Recordset& rs) {
  TreeNode n;
  n.index = rs.Field(0).Int16();
  n.command = rs.Field(1).Text();
  n.writesConfig = rs.Field(2).Bool();
  n.paramNames = ParamNames(rs, 3, 4);
  n.moreWords = rs.Field(7).Bool();
  n.response = rs.Field(8).Text();
  n.help = rs.Field(9).Text();
  return n;
}

template <class Node, class Reader>
std::vector<Node> ReadAll(db::Connection& conn, const std::string& sql, Reader read) {
  db::Recordset rs;
  rs.Open(sql, conn, db::adOpenDynamic);
  std::vector<Node> nodes;
  for (; !rs.EOF_(); rs.MoveNext()) nodes.push_back(read(rs));
  return nodes;
}

}  // namespace

std::string FirstWordsQuery(const std::string& prompt) {
  return "SELECT * From tblsublabcmds WHERE commandprompt = " + db::SqlQuoted(prompt);
}

std::string ChildrenQuery(int level, int16_t parent) {
  return "SELECT * From tblsublabcmds" + std::to_string(level) +
         " WHERE ref = " + std::to_string(parent);
}

std::vector<FirstWord> CommandTree::FirstWords(const std::string& prompt) {
  return ReadAll<FirstWord>(conn_, FirstWordsQuery(prompt), ReadFirstWord);
}

std::vector<TreeNode> CommandTree::Children(int level, int16_t parent) {
  return ReadAll<TreeNode>(conn_, ChildrenQuery(level, parent), ReadTreeNode);
}

template <class Node>
std::vector<Node> Abbreviated(const std::vector<Node>& nodes, std::string_view typed) {
  std::vector<Node> matches;
  std::copy_if(nodes.begin(), nodes.end(), std::back_inserter(matches), [typed](const Node& n) {
    return !n.IsPlaceholder() && ascii::StartsWithNoCase(n.command, typed);
  });
  return matches;
}
template std::vector<TreeNode> Abbreviated(const std::vector<TreeNode>&, std::string_view);
template std::vector<FirstWord> Abbreviated(const std::vector<FirstWord>&, std::string_view);

const FirstWord* ExactIp(const std::vector<FirstWord>& mode) {
  const auto ip = std::find_if(mode.begin(), mode.end(), [](const FirstWord& w) {
    return ascii::EqualNoCase(w.command, "ip");
  });
  return ip == mode.end() ? nullptr : &*ip;
}

std::vector<TreeNode> Placeholders(const std::vector<TreeNode>& nodes) {
  std::vector<TreeNode> matches;
  std::copy_if(nodes.begin(), nodes.end(), std::back_inserter(matches),
               [](const TreeNode& n) { return n.IsPlaceholder(); });
  return matches;
}

std::string JoinKeywords(const std::vector<std::string>& keywords) {
  std::string text;
  for (const std::string& k : keywords) {
    if (k.empty()) continue;
    if (!text.empty()) text += ' ';
    text += k;
  }
  return text;
}

}  // namespace rd::interp
