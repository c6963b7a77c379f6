// The Enter walk of a line of two or more words: one tree level per word.
#include <string>
#include <vector>

#include "interpreter/command_tree.h"
#include "interpreter/line_run.h"
#include "interpreter/run_router_command.h"

namespace rd {
namespace {

using interp::FirstWord;
using interp::TreeNode;

// What the walk does after one level.
enum class Step { Deeper, Dispatch, Stop };

class MultiWordWalk {
 public:
  MultiWordWalk(db::Connection& conn, const Module1& g, services::Clock now)
      : run_(conn, g, now),
        flags_(run_.result().flags),
        words_(run_.words()),
        last_(static_cast<int>(words_.size()) - 1),
        keywords_(interp::kDeepestLevel + 2) {}

  interp::LineResult Run() {
    flags_.incomplete = true;
    if (!MatchFirstWord()) return run_.result();
    for (int k = 1; k <= interp::kDeepestLevel; ++k) {
      switch (MatchLevel(k)) {
        case Step::Deeper:
          continue;
        case Step::Dispatch:
          if (flags_.found && !flags_.incomplete && !flags_.ambiguous) run_.Dispatch(keywords_);
          return run_.result();
        case Step::Stop:
          return run_.result();
      }
    }
    return run_.result();
  }

 private:
  void SetAmbiguous() {
    flags_.incomplete = false;
    flags_.found = true;
    flags_.enabled = true;
    flags_.ambiguous = true;
  }

  // Level 0: the first word among the first words of the mode. An abbreviation of several is
  // ambiguous, except that "ip" typed exactly means the keyword "ip".
  bool MatchFirstWord() {
    const std::vector<FirstWord> mode = run_.tree().FirstWords(run_.g().gPrompt);
    const std::vector<FirstWord> matches = interp::Abbreviated(mode, words_[0]);
    if (matches.empty()) {
      flags_.found = false;
      return false;
    }
    const FirstWord* root = &matches.front();
    if (matches.size() > 1) {
      // With no first word that is "ip" itself the root stays undecided: ambiguous too.
      root = words_[0] == "ip" ? interp::ExactIp(mode) : nullptr;
      if (root == nullptr) {
        SetAmbiguous();
        return false;
      }
    }
    keywords_[0] = root->command;
    parent_ = root->index;
    rootNextPrompt_ = root->nextPrompt;
    return true;
  }

  Step MatchLevel(int k) {
    if (k >= 2) flags_.found = false;
    const std::vector<TreeNode> children = run_.tree().Children(k, parent_);
    const std::vector<TreeNode> literal = interp::Abbreviated(children, words_[k]);
    if (literal.size() > 1) {  // no preference for an exact word below the first
      SetAmbiguous();
      return Step::Stop;
    }
    if (literal.size() == 1) return Literal(k, literal.front());

    flags_.found = false;
    for (const TreeNode& candidate : interp::Placeholders(children)) {
      if (run_.Fits(candidate, words_[k])) return Placeholder(k, candidate);
    }
    return Step::Stop;
  }

  Step Literal(int k, const TreeNode& node) {
    keywords_[k] = node.command;
    const bool lastWord = last_ == k;
    if (node.moreWords && !lastWord && k < interp::kDeepestLevel) {
      flags_.incomplete = false;
      parent_ = node.index;
      return Step::Deeper;
    }
    if (!lastWord) {  // past the deepest level, or a node that takes no further words
      flags_.found = false;
      return Step::Stop;
    }
    if (node.moreWords && k < interp::kDeepestLevel) {
      flags_.found = true;
      flags_.enabled = true;
      // "show interfaces" alone lists every interface.
      flags_.incomplete = !(k == 1 && keywords_[0] == "show" && keywords_[1] == "interfaces");
      return Step::Dispatch;
    }
    TakeResponse(node);
    WriteConfig(node);
    flags_.found = true;
    flags_.enabled = true;
    flags_.incomplete = false;
    run_.EnterMode(rootNextPrompt_);
    return Step::Dispatch;
  }

  Step Placeholder(int k, const TreeNode& node) {
    flags_.enabled = true;
    const bool lastWord = last_ == k;
    if (node.moreWords && lastWord) {
      flags_.found = true;
      flags_.incomplete = true;
      return Step::Dispatch;
    }
    if (!node.moreWords && !lastWord) return Step::Stop;
    if (!node.moreWords && !node.writesConfig) {
      flags_.incomplete = false;
      flags_.found = true;
      run_.EnterMode(rootNextPrompt_);
      TakeResponse(node);
      return Step::Dispatch;
    }
    if (lastWord) {  // a value that is written: the mode and the response stay as they were
      flags_.incomplete = false;
      flags_.found = true;
      WriteConfig(node);
      return Step::Dispatch;
    }
    if (k == interp::kDeepestLevel) return Step::Stop;
    flags_.found = true;
    parent_ = node.index;
    return Step::Deeper;
  }

  void TakeResponse(const TreeNode& node) {
    if (node.response != interp::kNoResponse) run_.result().response = node.response;
  }

  void WriteConfig(const TreeNode& node) {
    run_.WriteConfig(node, interp::JoinKeywords(keywords_));
  }

  interp::LineRun run_;
  interp::ResultFlags& flags_;
  const std::vector<std::string>& words_;
  const int last_;                     // index of the last word
  std::vector<std::string> keywords_;  // stored keyword per literally matched level
  int16_t parent_ = 0;                 // index of the node matched one level up
  std::string rootNextPrompt_;
};

}  // namespace

interp::LineResult RunMultiWordCommand(db::Connection& conn, const Module1& g,
                                       services::Clock now) {
  return MultiWordWalk(conn, g, now).Run();
}

}  // namespace rd
