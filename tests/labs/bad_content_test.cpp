// Content the lab cannot fully read: NULL, empty or non-numeric values and links to rows that
// do not exist. The lab opens with what it can read, nothing matches what cannot be read, and
// nothing stops a window.
#include "lab_fixture.h"

namespace rd::test {
namespace {

class BadContentTest : public LabTest {
 protected:
  std::vector<std::string> ExtraFixtures() const override {
    return {R"sql(
INSERT INTO sublab VALUES (30, 'Broken', NULL, NULL, NULL, NULL, 1);
INSERT INTO instructions VALUES (300, NULL, 30, NULL, NULL, NULL);
INSERT INTO instructions VALUES (301, 'Second', 30, 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (3001, NULL, 'nill', '>', '#', 'nill', 300);
INSERT INTO comrestble VALUES (3002, '', 'nill', NULL, '#', 'nill', 300);
INSERT INTO comrestble VALUES (3011, 'enable', 'nill', '>', '#', 'nill', 301);
INSERT INTO comrestble VALUES (3991, 'enable', 'nill', '>', '#', 'nill', 999);
INSERT INTO sublab VALUES (31, 'Unreadable steps', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (310, 'Enable', 31, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES ('x9', 'Unreadable key', 31, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES ('', 'Empty key', 31, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (311, 'Leave', 31, 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (3101, 'enable', NULL, '>', NULL, 'nill', 310);
INSERT INTO comrestble VALUES (3191, 'disable', 'nill', '#', '>', 'nill', 'x9');
INSERT INTO comrestble VALUES ('abc', 'disable', 'nill', '', '>', 'nill', 311);
INSERT INTO comrestble VALUES (3111, 'disable', 'nill', '', '>', 'nill', 311);
INSERT INTO sublab VALUES ('q', 'Unreadable index', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (320, 'Anything', 'q', 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (3201, 'enable', 'nill', '>', '#', 'nill', 320);
)sql"};
  }
};

TEST_F(BadContentTest, UnreadableValuesMatchNothingAndNothingStops) {
  Open("Broken");
  ASSERT_TRUE(lab().Visible());
  EXPECT_EQ(lab().Text2.Text(), "1)\r\n-------------\r\n2)Second\r\n-------------");
  EXPECT_EQ(lab().Text3.Text(), "    > ");
  EXPECT_EQ(app_.g.gLabHostName, "");
  EXPECT_EQ(app_.g.gLabPrompt, ">");
  EXPECT_TRUE(app_.g.gLabDevices == std::vector<std::string>{"R1"});
  EXPECT_TRUE(Messages().empty());
  // A NULL command and a NULL prompt: nothing of the first step can be typed.
  for (const char* line : {"", "enable"}) {
    Enter(line);
    EXPECT_FALSE(app_.g.gLabCmdMatched) << line;
  }
  // NULL pictures and texts: every companion opens or reports, and the lab window comes back.
  for (const char* button : {"Command1", "Command2", "Command3"}) {
    rt_.Click(*lab().FindControl(button));
    for (forms::Form* f : rt_.Forms()) {
      if (f != &lab() && f->Name() != "Form17" && f->IsLoaded()) rt_.RunEvent([f] { f->Unload(); });
    }
    EXPECT_TRUE(lab().Visible()) << button;
  }
  EXPECT_EQ(Messages(), std::vector<std::string>{"File not found: "});
  EXPECT_EQ(Score(), " 0");
}

// Steps whose keys cannot be read have no commands and are skipped; a command whose own key
// cannot be read never counts; a NULL response prints nothing and a NULL next prompt is none.
TEST_F(BadContentTest, UnreadableKeysAreSkippedOrNeverCount) {
  Open("Unreadable steps");
  Enter("enable");
  EXPECT_TRUE(app_.g.gLabCmdMatched);
  EXPECT_TRUE(app_.g.gLabNoResponse);
  EXPECT_EQ(app_.g.gLabPrompt, "");
  EXPECT_EQ(Messages(), std::vector<std::string>(2, "No Commands under the next Instruction"));
  EXPECT_EQ(app_.g.gCurInstruction, 4);
  EXPECT_EQ(app_.g.gInstrCmdsDone.size(), 2u);
  Enter("disable");
  EXPECT_TRUE(app_.g.gLabCmdMatched);
  EXPECT_EQ(app_.g.gCurInstruction, 4);
  EXPECT_FALSE(app_.g.gLabDone);
  EXPECT_EQ(Score(), " 7.5");
}

// A name that matches no readable exercise (its row gone, or its key unreadable) opens a lab
// without commands, whose score is 0.
TEST_F(BadContentTest, AnExerciseThatCannotBeFoundOpensWithoutCommands) {
  for (const char* name : {"Gone meanwhile", "Unreadable index"}) {
    Open(name);
    EXPECT_EQ(Messages(), std::vector<std::string>{"no cmds to practise"}) << name;
    EXPECT_EQ(lab().Text1.Text(), "Instruction Yet to be added");
    EXPECT_FALSE(lab().Text1.Enabled);
    EXPECT_EQ(lab().Caption, name);
    EXPECT_EQ(Score(), " 0");
  }
}

}  // namespace
}  // namespace rd::test
