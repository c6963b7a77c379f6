// The Enter walk of a line of two or more words: one tree level per word.
#include <string>
#include <vector>

#include "device/device_state.h"
#include "interpreter/command_tree.h"
#include "interpreter/config_write.h"
#include "interpreter/dispatch.h"
#include "interpreter/eval_syntax.h"
#include "interpreter/run_router_command.h"
#include "interpreter/words.h"

namespace rd {
namespace {

using interp::FirstWord;
using interp::TreeNode;

// What the walk does after one level.
enum class Step { Deeper, Dispatch, Stop };

class MultiWordWalk {
 public:
  explicit MultiWordWalk(App& app)
      : app_(app),
        g_(app.g),
        tree_(app.g),
        words_(SplitAtBlanks(app.g.gCommandLine)),
        last_(static_cast<int>(words_.size()) - 1),
        keywords_(interp::kDeepestLevel + 2) {}

  void Run() {
    g_.gCmdIncomplete = true;
    if (!MatchFirstWord()) return;
    for (int k = 1; k <= interp::kDeepestLevel; ++k) {
      switch (MatchLevel(k)) {
        case Step::Deeper:
          continue;
        case Step::Dispatch:
          if (g_.gCmdFound && !g_.gCmdIncomplete && !g_.gCmdAmbiguous) {
            interp::DispatchLine(app_, keywords_);
          }
          return;
        case Step::Stop:
          return;
      }
    }
  }

 private:
  void SetAmbiguous() {
    g_.gCmdIncomplete = false;
    g_.gCmdFound = true;
    g_.gCmdEnabled = true;
    g_.gCmdAmbiguous = true;
  }

  // Level 0: the first word among the first words of the mode. An abbreviation of several is
  // ambiguous, except that "ip" typed exactly means the keyword "ip".
  bool MatchFirstWord() {
    const std::vector<FirstWord> mode = tree_.FirstWords(g_.gPrompt);
    const std::vector<FirstWord> matches = interp::Abbreviated(mode, words_[0]);
    if (matches.empty()) {
      g_.gCmdFound = false;
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
    if (k >= 2) g_.gCmdFound = false;
    const std::vector<TreeNode> children = tree_.Children(k, parent_);
    const std::vector<TreeNode> literal = interp::Abbreviated(children, words_[k]);
    if (literal.size() > 1) {  // no preference for an exact word below the first
      SetAmbiguous();
      return Step::Stop;
    }
    if (literal.size() == 1) return Literal(k, literal.front());

    g_.gCmdFound = false;
    for (const TreeNode& candidate : interp::Placeholders(children)) {
      if (EvalSyntax(app_, candidate.command, words_[k])) return Placeholder(k, candidate);
    }
    return Step::Stop;
  }

  Step Literal(int k, const TreeNode& node) {
    keywords_[k] = node.command;
    const bool lastWord = last_ == k;
    if (node.moreWords && !lastWord && k < interp::kDeepestLevel) {
      g_.gCmdIncomplete = false;
      parent_ = node.index;
      return Step::Deeper;
    }
    if (!lastWord) {  // past the deepest level, or a node that takes no further words
      g_.gCmdFound = false;
      return Step::Stop;
    }
    if (node.moreWords && k < interp::kDeepestLevel) {
      g_.gCmdFound = true;
      g_.gCmdEnabled = true;
      // "show interfaces" alone lists every interface.
      g_.gCmdIncomplete = !(k == 1 && keywords_[0] == "show" && keywords_[1] == "interfaces");
      return Step::Dispatch;
    }
    TakeResponse(node);
    WriteConfig(node);
    g_.gCmdFound = true;
    g_.gCmdEnabled = true;
    g_.gCmdIncomplete = false;
    EnterRootNextMode();
    return Step::Dispatch;
  }

  Step Placeholder(int k, const TreeNode& node) {
    g_.gCmdEnabled = true;
    const bool lastWord = last_ == k;
    if (node.moreWords && lastWord) {
      g_.gCmdFound = true;
      g_.gCmdIncomplete = true;
      return Step::Dispatch;
    }
    if (!node.moreWords && !lastWord) return Step::Stop;
    if (!node.moreWords && !node.writesConfig) {
      g_.gCmdIncomplete = false;
      g_.gCmdFound = true;
      EnterRootNextMode();
      TakeResponse(node);
      return Step::Dispatch;
    }
    if (lastWord) {  // a value that is written: the mode and the response stay as they were
      g_.gCmdIncomplete = false;
      g_.gCmdFound = true;
      WriteConfig(node);
      return Step::Dispatch;
    }
    if (k == interp::kDeepestLevel) return Step::Stop;
    g_.gCmdFound = true;
    parent_ = node.index;
    return Step::Deeper;
  }

  void TakeResponse(const TreeNode& node) {
    if (node.response != interp::kNoResponse) g_.gResponse = node.response;
  }

  void WriteConfig(const TreeNode& node) {
    if (node.writesConfig) interp::WriteConfig(app_, node, interp::JoinKeywords(keywords_));
  }

  void EnterRootNextMode() {
    g_.gPrompt = rootNextPrompt_;
    if (g_.gPrompt != "(config-if)#") g_.gCurrentInterface = "nill";
  }

  App& app_;
  Module1& g_;
  interp::CommandTree tree_;
  const std::vector<std::string> words_;
  const int last_;                     // index of the last word
  std::vector<std::string> keywords_;  // stored keyword per literally matched level
  int16_t parent_ = 0;                 // index of the node matched one level up
  std::string rootNextPrompt_;
};

}  // namespace

void RunMultiWordCommand(App& app) { MultiWordWalk(app).Run(); }

}  // namespace rd
