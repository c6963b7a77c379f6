// Case folding agrees with the database's: ASCII letters only, whatever the locale.
#include "platform/ascii.h"

#include <gtest/gtest.h>

#include <clocale>

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

}  // namespace
}  // namespace rd::ascii
