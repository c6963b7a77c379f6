// The shipped lab exercises: six categories with three or more exercises each, four to twelve
// steps on devices of the network, prompts that are modes of the tree, unique keys and intact
// links, and command sequences that a student can actually type.
#include <map>
#include <set>

#include "content/shipped_content.h"

namespace rd::test {
namespace {

class Labs : public ShippedContent {
 protected:
  // Expected commands in stored order with their step's exercise and device.
  struct Expected {
    int lab, step;
    std::string device, command, comprompt, resprompt;
  };
  std::vector<Expected> Commands() {
    std::map<int, Row> steps;
    for (const Row& r : Rows("SELECT * FROM instructions")) steps[std::stoi(r[0])] = r;
    std::vector<Expected> out;
    for (const Row& r : Rows("SELECT * FROM comrestble")) {
      const Row& s = steps.at(std::stoi(r[6]));
      out.push_back({std::stoi(s[2]), std::stoi(s[0]), s[5], r[1], r[3], r[4]});
    }
    return out;
  }
};

TEST_F(Labs, FillEachOfTheSixCategoriesWithThreeOrMore) {
  const std::vector<std::string> six{
      "CLI Fundamental Labs", "Routing Fundamentals Lab",      "Access Lists",
      "Switch Fundamentals",  "Switch Configuration And VLAN", "Wide Area Networking"};
  std::map<std::string, std::string> category;  // labs.index -> name
  for (const Row& r : Rows("SELECT * FROM labs")) {
    EXPECT_TRUE(category.emplace(r[0], r[1]).second) << "repeated labs.index " << r[0];
  }
  ASSERT_EQ(category.size(), 6u);
  EXPECT_EQ(category.at("1"), six[0]);

  std::map<std::string, int> count;
  for (const Row& r : Rows("SELECT * FROM sublab")) {
    const auto found = category.find(r[6]);
    ASSERT_NE(found, category.end()) << r[1] << " has no category";
    EXPECT_NE(std::find(six.begin(), six.end(), found->second), six.end()) << r[1];
    ++count[found->second];
  }
  for (const std::string& name : six) EXPECT_GE(count[name], 3) << name;
}

TEST_F(Labs, KeysAreUniqueAndLinksIntact) {
  std::set<std::string> sublabs, names, steps, commands;
  for (const Row& r : Rows("SELECT * FROM sublab")) {
    EXPECT_TRUE(sublabs.insert(r[0]).second) << "sublab index " << r[0];
    EXPECT_TRUE(names.insert(r[1]).second) << "sublab name " << r[1];
  }
  for (const Row& r : Rows("SELECT * FROM instructions")) {
    EXPECT_TRUE(steps.insert(r[0]).second) << "instruction index " << r[0];
    EXPECT_TRUE(sublabs.count(r[2])) << "instruction " << r[0] << " of no sublab";
  }
  for (const Row& r : Rows("SELECT * FROM comrestble")) {
    EXPECT_TRUE(commands.insert(r[0]).second) << "command index " << r[0];
    EXPECT_TRUE(steps.count(r[6])) << "command " << r[0] << " of no step";
  }
}

TEST_F(Labs, HaveDescriptionDiagramFlashCardAndFourToTwelveSteps) {
  std::map<std::string, int> stepCount;
  std::map<std::string, int> commandCount;  // per step
  for (const Row& r : Rows("SELECT * FROM instructions")) {
    ++stepCount[r[2]];
    commandCount[r[0]] += 0;
  }
  for (const Row& r : Rows("SELECT * FROM comrestble")) ++commandCount[r[6]];
  for (const Row& r : Rows("SELECT * FROM sublab")) {
    for (int col : {2, 3, 4, 5}) EXPECT_NE(r[col], "nill") << r[1] << " column " << col;
    EXPECT_GE(stepCount[r[0]], 4) << r[1];
    EXPECT_LE(stepCount[r[0]], 12) << r[1];
  }
  for (const auto& [step, n] : commandCount)
    EXPECT_GE(n, 1) << "step " << step << " expects nothing";
}

TEST_F(Labs, RunOnDevicesOfTheNetworkAtPromptsOfTheTree) {
  std::set<std::string> hosts;
  for (const auto& [column, host] : Devices()) hosts.insert(host);
  const std::set<std::string> modes = Modes();
  for (const Expected& e : Commands()) {
    EXPECT_TRUE(hosts.count(e.device)) << "step " << e.step << " on " << e.device;
    EXPECT_TRUE(e.comprompt == "Null" || modes.count(e.comprompt))
        << e.command << " at " << e.comprompt;
    EXPECT_TRUE(modes.count(e.resprompt)) << e.command << " leads to " << e.resprompt;
  }
}

// Each exercise is one session per device: a command is typed at the prompt the previous
// command on the same device left, the first at the console's starting prompt (none on S1,
// which shows its menu). A device switch in the lab's diagram restores the step's prompt.
TEST_F(Labs, FormOneSessionPerDevice) {
  int lab = 0;
  std::string device, prompt;
  for (const Expected& e : Commands()) {
    const std::string at = e.comprompt == "Null" ? "" : e.comprompt;
    if (e.lab != lab) {
      EXPECT_EQ(at, e.device == "S1" ? "" : ">") << "first command of exercise " << e.lab;
    } else if (e.device == device) {
      EXPECT_EQ(at, prompt) << "exercise " << e.lab << ": " << e.command;
    }
    lab = e.lab;
    device = e.device;
    prompt = e.resprompt;
  }
}

// One Enter may count for several expected rows: a step must not expect one command twice at
// one prompt, and a step must not expect a command of the step before it at the prompt that
// command leaves, or the next step would be half done before it is shown.
TEST_F(Labs, CountEachTypedCommandOnce) {
  std::map<int, std::vector<Expected>> bySteps;
  std::vector<int> order;
  for (const Expected& e : Commands()) {
    if (bySteps[e.step].empty()) order.push_back(e.step);
    bySteps[e.step].push_back(e);
  }
  for (size_t i = 0; i < order.size(); ++i) {
    const std::vector<Expected>& step = bySteps[order[i]];
    std::set<std::string> seen;
    for (const Expected& e : step) {
      EXPECT_TRUE(seen.insert(Lower(e.command) + "@" + e.comprompt).second)
          << "step " << e.step << " expects " << e.command << " twice";
    }
    if (i == 0 || order[i] / 100 != order[i - 1] / 100) continue;
    for (const Expected& before : bySteps[order[i - 1]]) {
      for (const Expected& e : step) {
        EXPECT_FALSE(Lower(e.command) == Lower(before.command) && e.comprompt == before.resprompt)
            << "step " << e.step << " repeats " << e.command << " of the step before";
      }
    }
  }
}

}  // namespace
}  // namespace rd::test
