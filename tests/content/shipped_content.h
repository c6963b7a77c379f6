// The shipped content, built into a private working folder: data/schema.sql and every
// data/content/*.sql in sorted order (as the build does), with showcommands.txt beside it, and
// plain readers for what the content checks look at.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/db/db.h"
#include "support/test_workdir.h"

namespace rd::test {

using Row = std::vector<std::string>;

// One node of the command tree: the mode of its first word, its path (the stored keywords from
// the first word down, joined by single blanks) and its columns.
struct TreeNode {
  int level = 0;
  int index = 0;
  std::string mode;
  std::string path;
  std::string word;
  std::string nextPrompt;  // of the first word
  bool writesConfig = false;
  std::vector<std::string> params;
  bool moreWords = false;
  std::string response;
  std::string help;
};

// The words of a text split at every single blank.
std::vector<std::string> Words(const std::string& text);

// A block of the show template: its head line and output lines.
struct TemplateBlock {
  std::string head;
  std::vector<std::string> lines;
};

class ShippedContent : public ::testing::Test {
 protected:
  void SetUp() override;

  // Every row of `sql`, each cell as text.
  std::vector<Row> Rows(const std::string& sql);
  // Every node of the tree, first words first, each level in stored order.
  std::vector<TreeNode> Tree();
  // The modes of the tree: every mode of a first word and every mode a first word leads to.
  std::set<std::string> Modes();
  // The keys of routervariables, in stored order.
  std::vector<std::string> Keys();
  // The names of the device columns: working column -> host name in its saved column.
  std::map<std::string, std::string> Devices();
  // The blocks of showcommands.txt in file order.
  std::vector<TemplateBlock> Template();

  static std::filesystem::path SourceDir() { return RD_SOURCE_DIR; }
  // The run folder as committed (data/run) and as built (build/run).
  static std::filesystem::path SourceRunDir() { return SourceDir() / "data" / "run"; }
  static std::filesystem::path BuiltRunDir() {
    return std::filesystem::path(RD_BINARY_DIR) / "run";
  }

  TestWorkdir work_;
};

// The texts of a template line's references ("$name"); "uptime" at the end of a line is the
// router uptime, not a reference.
std::vector<std::string> References(const std::string& line);

// Lower-case copy: keys and keywords are matched without regard to case.
std::string Lower(std::string text);

}  // namespace rd::test
