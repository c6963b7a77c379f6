// Random console lines made of the words of the shipped command tree, typed the way a student
// might: whole or abbreviated keywords, values for the placeholders (plausible, odd, or the
// placeholder typed as "?" shows it), lines cut short, odd blanks.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "random.h"

namespace rd::sessions {

class CommandLines {
 public:
  // Reads the tree from the database file at path; throws std::runtime_error when it can't.
  explicit CommandLines(const std::string& databasePath);

  // A line for the console in mode `prompt` (now and then for another mode), in send-keys
  // notation and without a final Enter.
  std::string Line(Random& random, const std::string& prompt) const;

  // Text in send-keys notation that types `text` as it stands.
  static std::string Typed(const std::string& text);

  // Every mode of the tree: those of its first words and those they lead to.
  const std::set<std::string>& Modes() const { return modes_; }

 private:
  struct Node {
    std::string word;
    std::vector<size_t> children;
  };
  std::string Word(Random& random, const std::string& word) const;
  static std::string Value(Random& random, const std::string& placeholder);

  std::vector<Node> nodes_;
  std::map<std::string, std::vector<size_t>> firstWords_;  // by mode
  std::vector<std::string> typedModes_;                    // the modes that have first words
  std::set<std::string> modes_;
};

// A piece of text to type that a student would rarely type: a very long line, characters
// outside ASCII, punctuation, or the send-keys names of special characters.
std::string OddText(Random& random);

}  // namespace rd::sessions
