// "?" help: the typed words walk the tree like the Enter walk, but only list.
#include "interpreter/context_help.h"

#include <string>
#include <vector>

#include "interpreter/command_tree.h"
#include "interpreter/eval_syntax.h"
#include "interpreter/words.h"
#include "platform/text/words.h"

namespace rd {
namespace {

using interp::FirstWord;
using interp::TreeNode;

constexpr const char* kCrLf = "\r\n";
constexpr const char* kNotFound = "Command Not Found";

class ContextHelp {
 public:
  ContextHelp(db::Connection& conn, const Module1& g, const std::string& line)
      : conn_(conn),
        g_(g),
        line_(line),
        tree_(conn),
        words_(text::SplitAtBlanks(line)),
        afterBlank_(!line.empty() && line.back() == ' '),
        last_(static_cast<int>(words_.size()) - (afterBlank_ ? 2 : 1)) {}

  HelpListing Run() {
    help_.words = words_;  // what the console types again after the listing
    help_.trailingSpace = afterBlank_;
    help_.lastWord = static_cast<int16_t>(last_);
    Walk();
    Finish();
    return help_;
  }

 private:
  // Lists nothing for lines longer than the tree is deep.
  void Walk() {
    if (last_ > interp::kDeepestLevel - (afterBlank_ ? 1 : 0)) return;
    if (!FirstLevel()) return;
    for (int k = 1; k <= last_; ++k) {
      if (!Level(k)) return;
    }
  }

  // Level 0; true when the walk goes on at level 1.
  bool FirstLevel() {
    const std::vector<FirstWord> mode = tree_.FirstWords(g_.gPrompt);
    const std::vector<FirstWord> matches = interp::Abbreviated(mode, words_[0]);
    if (matches.empty()) {
      Append(kNotFound);
      return false;
    }
    if (matches.size() == 1) {
      matched_ = true;
      rootCommand_ = matches.front().command;
      return Decide(0, matches.front(), true);
    }
    if (!afterBlank_ && last_ == 0) {
      matched_ = true;
      for (const FirstWord& w : matches) Append(Item(w));
      return false;
    }
    // "ip" typed exactly means the first word "ip"; without one it is ambiguous like any other.
    const FirstWord* ip = words_[0] == "ip" ? interp::ExactIp(mode) : nullptr;
    if (ip != nullptr) {
      rootCommand_ = ip->command;
      if (last_ > 0) {
        node_ = ip->index;
        return true;
      }
      ListChildren(0, *ip, true);
      return false;
    }
    if (!afterBlank_) Append(kNotFound);
    return false;
  }

  // Level k of 1 to 9; true when the walk goes on at level k+1.
  bool Level(int k) {
    const std::vector<TreeNode> children = tree_.Children(k, node_);
    const std::vector<TreeNode> literal = interp::Abbreviated(children, words_[k]);
    if (literal.empty()) return PlaceholderLevel(k, children);
    if (literal.size() == 1) {
      matched_ = true;
      return Decide(k, literal.front(), true);
    }
    if (!afterBlank_ && last_ == k) {
      matched_ = true;
      for (const TreeNode& n : literal) Append(Item(n));
    } else if (!afterBlank_) {
      Append(kNotFound);
    }
    return false;
  }

  // Each placeholder child that refuses the word before the first that accepts it leaves one
  // "Command Not Found" line.
  bool PlaceholderLevel(int k, const std::vector<TreeNode>& children) {
    for (const TreeNode& candidate : interp::Placeholders(children)) {
      help_.placeholders.count = 0;
      if (EvalSyntax(conn_, {line_, g_.gDeviceColumn}, help_.placeholders, candidate.command,
                     words_[k])) {
        matched_ = true;
        return Decide(k, candidate, false);
      }
      Append(kNotFound);
    }
    return false;
  }

  // What the node accepted at level k lists; true when the walk goes deeper.
  bool Decide(int k, const TreeNode& node, bool literal) {
    if (last_ > k) {
      if (!node.moreWords) {
        Append(kNotFound);
        return false;
      }
      matched_ = false;
      node_ = node.index;
      return true;
    }
    if (!afterBlank_) {
      Append(Item(node));
    } else if (node.moreWords) {
      listing_.clear();
      ListChildren(k, node, literal);
    }
    return false;
  }

  // The children of `node` at level k with their help texts; "show interfaces" may also end.
  void ListChildren(int k, const TreeNode& node, bool literal) {
    for (const TreeNode& child : tree_.Children(k + 1, node.index)) Append(Item(child));
    if (k == 1 && literal && rootCommand_ == "show" && node.command == "interfaces") {
      Append("<carriage Return>");
    }
  }

  static std::string Item(const TreeNode& node) {
    return node.command + interp::ListingBlanks(node.command, 1) + node.help;
  }

  void Append(const std::string& item) { listing_ += kCrLf + item; }

  void Finish() {
    if (listing_.empty() && matched_) {
      help_.trailingSpace = false;
      Append("<carriage return>");
    }
    if (!listing_.empty()) listing_.erase(0, 2);  // the leading line break
    help_.text = listing_;
  }

  db::Connection& conn_;
  const Module1& g_;
  const std::string line_;
  interp::CommandTree tree_;
  const std::vector<std::string> words_;
  const bool afterBlank_;  // the line ends in a blank: list the words that may follow
  const int last_;         // index of the last word that takes part
  std::string rootCommand_;
  int16_t node_ = 0;  // index of the node accepted one level up
  bool matched_ = false;
  std::string listing_;
  HelpListing help_;
};

}  // namespace

HelpListing ShowContextHelp(db::Connection& conn, const Module1& g, const std::string& line) {
  return ContextHelp(conn, g, line).Run();
}

}  // namespace rd
