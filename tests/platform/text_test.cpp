// Text that agrees with the database and the console: ASCII case folding whatever the locale,
// and the words of a line split at every blank, trimmed, cut by length, counted by character.
#include <gtest/gtest.h>

#include <clocale>

#include "platform/text/ascii.h"
#include "platform/text/words.h"

namespace rd::ascii {
namespace {

TEST(AsciiText, FoldsAsciiLettersOnly) {
  std::setlocale(LC_ALL, "C.UTF-8");
  EXPECT_TRUE(EqualNoCase("HostName", "hostname"));
  EXPECT_TRUE(EqualNoCase("", ""));
  EXPECT_FALSE(EqualNoCase("host", "hostname"));
  EXPECT_FALSE(EqualNoCase("[", "{"));                // 'Z'+1 and 'z'+1 are no letters
  EXPECT_FALSE(EqualNoCase("\xC3\x89", "\xC3\xA9"));  // É and é differ, as in the database
  EXPECT_TRUE(StartsWithNoCase("configure", "CONF"));
  EXPECT_TRUE(StartsWithNoCase("configure", ""));
  EXPECT_FALSE(StartsWithNoCase("con", "configure"));
  std::setlocale(LC_ALL, "C");
}

TEST(WordsText, SplitTrimAndCut) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(text::SplitAtBlanks("ping  R2"), (Words{"ping", "", "R2"}));
  EXPECT_EQ(text::SplitAtBlanks(""), (Words{""}));
  EXPECT_EQ(text::SplitAtBlanks(" a "), (Words{"", "a", ""}));
  EXPECT_EQ(text::WordAt(text::SplitAtBlanks("ping"), 1), "");
  EXPECT_EQ(text::TrimBlanks("  show run \t "), "show run \t");
  EXPECT_EQ(text::TrimBlanks("   "), "");
  EXPECT_EQ(text::After("R1#show", 3), "show");
  EXPECT_EQ(text::After("R1", 3), "");
  EXPECT_EQ(text::DropTail("abc--MORE--", 8), "abc");
  EXPECT_EQ(text::DropTail("short", 10), "");
  EXPECT_EQ(text::CharCount("h\xC3\xA9llo"), 5u);  // é is one character of two bytes
}

}  // namespace
}  // namespace rd::ascii
