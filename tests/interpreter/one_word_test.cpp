// One-word lines: abbreviations, ambiguity, incomplete and disabled first words, the level-0
// response, mode changes and configuration writes.
#include "interpreter_fixture.h"

namespace rd::test {
namespace {

using OneWordTest = InterpreterTest;

TEST_F(OneWordTest, AbbreviationOfOneFirstWordRunsIt) {
  for (const char* typed : {"en", "ENA", "enable"}) {
    Enter(">", typed);
    EXPECT_EQ(Verdict(), "ran") << typed;
    EXPECT_EQ(g.gPrompt, "#");
    EXPECT_EQ(g.gResponse, "nill");  // a level-0 "nill" is copied and prints nothing
  }
}

TEST_F(OneWordTest, LevelZeroNullIsPrintedAsText) {
  Enter(">", "lock");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(g.gResponse, "null");
}

TEST_F(OneWordTest, AmbiguousWordLeavesPromptAndResponse) {
  Enter("#", "c");  // configure, copy, clock
  EXPECT_EQ(Verdict(), "ambigious command");
  EXPECT_TRUE(g.gCmdFound);
  EXPECT_FALSE(g.gCmdEnabled);
  EXPECT_EQ(g.gPrompt, "#");
  EXPECT_EQ(g.gResponse, "before");
}

TEST_F(OneWordTest, FullWordThatBeginsAnotherIsAmbiguous) {
  Enter("(config)#", "ip");  // ip and ipx; no exact preference for one word
  EXPECT_EQ(Verdict(), "ambigious command");
}

TEST_F(OneWordTest, WordOfAnotherModeIsNotFound) {
  Enter(">", "configure");
  EXPECT_EQ(Verdict(), "Command Not Found");
  Enter("#", "configure");
  EXPECT_EQ(Verdict(), "incomplete command");
}

TEST_F(OneWordTest, WordThatNeedsMoreWordsIsIncomplete) {
  Enter(">", "sh");
  EXPECT_EQ(Verdict(), "incomplete command");
  EXPECT_FALSE(g.gCmdEnabled);
  EXPECT_EQ(g.gPrompt, ">");
  EXPECT_EQ(g.gResponse, "before");
}

TEST_F(OneWordTest, DisabledWordIsFoundButDoesNotRun) {
  Enter(">", "debug");
  EXPECT_EQ(Verdict(), "command is disabled");
  EXPECT_EQ(g.gPrompt, ">");
  EXPECT_EQ(g.gResponse, "before");
}

TEST_F(OneWordTest, InterfaceIsKeptOnlyInsideTheInterfaceMode) {
  g.gCurrentInterface = "ethernet0";
  Enter("(config-if)#", "shut");
  EXPECT_EQ(g.gCurrentInterface, "ethernet0");
  Enter("(config-if)#", "end");
  EXPECT_EQ(g.gPrompt, "#");
  EXPECT_EQ(g.gCurrentInterface, "nill");
}

TEST_F(OneWordTest, AbbreviatedShutdownWritesThePrefixedVariables) {
  g.gCurrentInterface = "ethernet0";
  Enter("(config-if)#", "shut");  // the write sees the stored keyword, not the abbreviation
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("ethernet0_shutdown"), "shutdown");
  EXPECT_EQ(Var("ethernet0_status"), "down");
  EXPECT_EQ(Var("ethernet0_shutdown", "R2"), "nill");
}

TEST_F(OneWordTest, MissingVariableIsNamedAndNothingIsWritten) {
  Build("DELETE FROM routervariables WHERE Config_Variable = 'ethernet0_status';");
  g.gCurrentInterface = "ethernet0";
  Enter("(config-if)#", "shutdown");
  EXPECT_EQ(last_.config.result, ConfigResult::MissingVariable);
  EXPECT_EQ(last_.config.missingVariable, "ethernet0_status");
  EXPECT_EQ(Var("ethernet0_shutdown"), "nill");
}

TEST_F(OneWordTest, PatternAndQuoteCharactersAreTakenLiterally) {
  for (const char* typed : {"%", "e%", "_nable", "[e]nable", "en'", "'", "e'; drop table x"}) {
    Enter(">", typed);
    EXPECT_EQ(Verdict(), "Command Not Found") << typed;
    EXPECT_EQ(g.gPrompt, ">");
  }
}

}  // namespace
}  // namespace rd::test
