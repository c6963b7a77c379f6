#include "terminal_fixture.h"

namespace rd::test {
namespace {

using ConsoleTest = TerminalTest;

TEST_F(ConsoleTest, SessionStartsAtTheUserPromptOfTheFirstDevice) {
  EXPECT_EQ(Screen(), "press enter to begin");
  Type("~");
  EXPECT_EQ(Screen(), "press enter to begin\nR1>\n");
  EXPECT_EQ(CaretFromEnd(), 2);
  Type("enable~");
  EXPECT_EQ(Screen(), "press enter to begin\nR1>enable\nR1#\n");
}

}  // namespace
}  // namespace rd::test
