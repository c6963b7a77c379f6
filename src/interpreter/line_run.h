// One command line while the interpreter reads it: the shared state it started from, the
// connection of the event, and the result it is building. The walks of one-word and multi-word
// lines share it.
#pragma once

#include <string>
#include <vector>

#include "interpreter/command_tree.h"
#include "interpreter/eval_syntax.h"
#include "interpreter/line_result.h"
#include "platform/services/services.h"
#include "shell/module1.h"

namespace rd::interp {

class LineRun {
 public:
  LineRun(db::Connection& conn, const Module1& g, services::Clock now);

  db::Connection& conn() { return conn_; }
  const Module1& g() const { return g_; }
  CommandTree& tree() { return tree_; }
  LineResult& result() { return result_; }
  const std::vector<std::string>& words() const { return words_; }

  // The mode of `nextPrompt` is entered; leaving "(config-if)#" leaves its interface too.
  void EnterMode(const std::string& nextPrompt);
  // The configuration write of `node` for the command text `cmdText` (its stored keywords).
  void WriteConfig(const TreeNode& node, const std::string& cmdText);
  // Whether `word` fits the placeholder node `node`; stores its value in the line's slots.
  bool Fits(const TreeNode& node, const std::string& word);
  // Carries out a complete line on its first stored keyword: show, copy, erase, telnet,
  // resume, ping, interface and line; any other keyword does nothing. `keywords` holds the
  // stored keyword of each literally matched word, empty for words a placeholder took.
  void Dispatch(const std::vector<std::string>& keywords);

 private:
  const std::string& CurrentInterface() const;
  db::Connection& conn_;
  const Module1& g_;
  services::Clock now_;
  CommandTree tree_;
  std::vector<std::string> words_;  // the line split at every blank
  LineResult result_;
};

}  // namespace rd::interp
