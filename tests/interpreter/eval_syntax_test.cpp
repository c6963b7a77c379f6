// Placeholder rules: acceptance, what each stores, and the seven-slot limit.
#include "interpreter/eval_syntax.h"

#include "interpreter_fixture.h"

namespace rd::test {
namespace {

class EvalSyntaxTest : public InterpreterTest {
 protected:
  // Judges `word` with the line g.gCommandLine on device g.gDeviceColumn.
  bool Eval(const std::string& syntax, const std::string& word) {
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    return EvalSyntax(conn, {g.gCommandLine, g.gDeviceColumn}, slots_, syntax, word);
  }
  // Evaluates on an empty slot list and returns what was stored.
  std::vector<std::string> Stored(const std::string& syntax, const std::string& word) {
    slots_.count = 0;
    Eval(syntax, word);
    return {slots_.values.begin(), slots_.values.begin() + slots_.count};
  }
  interp::PlaceholderSlots slots_;
  using Strings = std::vector<std::string>;
};

TEST_F(EvalSyntaxTest, AddressHasFourPartsFrom0To255) {
  EXPECT_TRUE(Eval("<A.B.C.D>", "10.0.0.1"));
  EXPECT_TRUE(Eval("<A.B.C.D>", "255.255.255.0"));
  EXPECT_TRUE(Eval("<A.B.C.D>", "010.0.0.1"));
  EXPECT_FALSE(Eval("<A.B.C.D>", "10.0.0.256"));
  EXPECT_FALSE(Eval("<A.B.C.D>", "10.0.0"));
  EXPECT_FALSE(Eval("<A.B.C.D>", "1.2.3.4.5"));
  EXPECT_FALSE(Eval("<A.B.C.D>", "10.-1.0.1"));
  EXPECT_EQ(Stored("<A.B.C.D>", "10.0.0.1"), Strings{"10.0.0.1"});
  EXPECT_EQ(Stored("<A.B.C.D>", "10.0.0.256"), Strings{});
}

TEST_F(EvalSyntaxTest, AddressPartsThatAreNoNumberAreRefused) {
  for (const char* word : {"10..0.1", "10.0.0.", ".10.0.0", "a.b.c.d", "10.0.0.1x", "", "..."}) {
    EXPECT_FALSE(Eval("<A.B.C.D>", word)) << word;
  }
  EXPECT_EQ(slots_.count, 0);
}

TEST_F(EvalSyntaxTest, WordIsStoredEvenWhenRefused) {
  EXPECT_TRUE(Eval("<WORD>", "R1"));
  EXPECT_EQ(Stored("<WORD>", "1R"), Strings{"1R"});
  EXPECT_FALSE(Eval("<WORD>", "1R"));
  EXPECT_TRUE(Eval("<WORD>", std::string(40, 'a')));
  EXPECT_FALSE(Eval("<WORD>", std::string(41, 'a')));
  EXPECT_EQ(Stored("<WORD>", std::string(41, 'a')), Strings{std::string(41, 'a')});
}

// Text is UTF-8: "é" is one character of two bytes.
TEST_F(EvalSyntaxTest, LengthLimitsCountCharactersNotBytes) {
  std::string e40;
  for (int i = 0; i < 40; ++i) e40 += "\xC3\xA9";
  EXPECT_TRUE(Eval("<WORD>", e40));
  EXPECT_FALSE(Eval("<WORD>", e40 + "\xC3\xA9"));
  g.gCommandLine = "#" + e40 + e40 + e40 + std::string(134, 'x') + "#";  // last "#" after 255
  EXPECT_TRUE(Eval("<LINE>", "x"));
  g.gCommandLine = "#" + e40 + e40 + e40 + std::string(135, 'x') + "#";
  EXPECT_FALSE(Eval("<LINE>", "x"));
}

TEST_F(EvalSyntaxTest, LineCarriesTheTextBetweenFirstAndLastHash) {
  g.gCommandLine = "banner motd #Welcome to R1# now";
  EXPECT_EQ(Stored("<LINE>", "anything"), Strings{"Welcome to R1"});
  EXPECT_TRUE(Eval("<LINE>", "anything"));
  g.gCommandLine = "banner motd #a#b#";
  EXPECT_EQ(Stored("<LINE>", "x"), Strings{"a#b"});
}

TEST_F(EvalSyntaxTest, LineBeforeTheLastHashMayHold255Characters) {
  g.gCommandLine = "#" + std::string(253, 'x') + "#";  // last "#" at position 254
  EXPECT_TRUE(Eval("<LINE>", "x"));
  g.gCommandLine = "#" + std::string(255, 'x') + "#";
  EXPECT_EQ(Stored("<LINE>", "x"), Strings{std::string(255, 'x')});  // stored though refused
  EXPECT_FALSE(Eval("<LINE>", "x"));
}

TEST_F(EvalSyntaxTest, LineWithFewerThanTwoHashesIsRefusedAndStoresNothing) {
  for (const char* line : {"banner motd hello", "banner motd #hello"}) {
    g.gCommandLine = line;
    EXPECT_EQ(Stored("<LINE>", "hello"), Strings{}) << line;
    EXPECT_FALSE(Eval("<LINE>", "hello")) << line;
  }
}

TEST_F(EvalSyntaxTest, NumericRulesCompareAsNumbers) {
  EXPECT_TRUE(Eval("<NUMBER>", "1200"));
  EXPECT_TRUE(Eval("<NUMBER>", "1200.0"));
  EXPECT_FALSE(Eval("<NUMBER>", "1201"));
  EXPECT_TRUE(Eval("<SECONDS>", "3599"));
  EXPECT_FALSE(Eval("<SECONDS>", "3600"));
  EXPECT_TRUE(Eval("<SECONDS>", "-5"));
  EXPECT_TRUE(Eval("<MINUTES>", "59"));
  EXPECT_TRUE(Eval("<MINUTES>", "1.5"));
  EXPECT_FALSE(Eval("<MINUTES>", "60"));
  EXPECT_TRUE(Eval("<ANUM>", "1"));
  EXPECT_TRUE(Eval("<ANUM>", "99"));
  EXPECT_TRUE(Eval("<ANUM>", "1.5"));
  EXPECT_FALSE(Eval("<ANUM>", "0"));
  EXPECT_FALSE(Eval("<ANUM>", "100"));
  EXPECT_EQ(Stored("<ANUM>", "42"), Strings{"42"});
  EXPECT_EQ(Stored("<ANUM>", "100"), Strings{});
}

TEST_F(EvalSyntaxTest, NumericRulesRefuseTextThatIsNoNumber) {
  for (const char* syntax : {"<NUMBER>", "<SECONDS>", "<MINUTES>", "<ANUM>"}) {
    for (const char* word : {"", "abc", "12abc", "1,5", "nan", "inf", "--5", "+-5", "+", "1200 "}) {
      EXPECT_FALSE(Eval(syntax, word)) << syntax << " " << word;
    }
  }
  EXPECT_EQ(slots_.count, 0);
}

TEST_F(EvalSyntaxTest, KeywordSetsIgnoreCase) {
  for (const char* word : {"ppp", "PPP", "hdlc", "HDLC"}) EXPECT_TRUE(Eval("<PPP/HDLC>", word));
  EXPECT_FALSE(Eval("<PPP/HDLC>", "frame-relay"));
  for (const char* word : {"permit", "Permit", "DENY"}) EXPECT_TRUE(Eval("<PERMIT/DENY>", word));
  EXPECT_FALSE(Eval("<PERMIT/DENY>", "allow"));
  EXPECT_EQ(Stored("<PERMIT/DENY>", "Permit"), Strings{"Permit"});
}

TEST_F(EvalSyntaxTest, AccessGroupNumberIsTheCurrentDevicesListAndStoresNothing) {
  EXPECT_EQ(Stored("<AGNUM>", "10"), Strings{});
  EXPECT_TRUE(Eval("<AGNUM>", "10"));
  EXPECT_FALSE(Eval("<AGNUM>", "20"));  // R2's list
  g.gDeviceColumn = "r2";               // the column is found without regard to case
  EXPECT_TRUE(Eval("<AGNUM>", "20"));
}

TEST_F(EvalSyntaxTest, TelnetIdMatchesAnyColumnButNeverNill) {
  EXPECT_TRUE(Eval("<TELNET_ID>", "3"));                 // R3's working column
  EXPECT_TRUE(Eval("<TELNET_ID>", "7"));                 // a saved column
  EXPECT_TRUE(Eval("<TELNET_ID>", "telnetsession_id"));  // even the key column
  EXPECT_FALSE(Eval("<TELNET_ID>", "nill"));
  EXPECT_FALSE(Eval("<TELNET_ID>", "4"));
  EXPECT_EQ(Stored("<TELNET_ID>", "3"), Strings{});
}

TEST_F(EvalSyntaxTest, UnlistedOrRulelessPlaceholdersAreRefused) {
  EXPECT_FALSE(Eval("<UNRULED>", "x"));  // listed, but no rule
  EXPECT_FALSE(Eval("<word>", "R1"));    // the text is compared exactly
  Build("DELETE FROM tblevalsyntax WHERE syntax = '<WORD>';");
  EXPECT_FALSE(Eval("<WORD>", "R1"));
  EXPECT_EQ(slots_.count, 0);
}

TEST_F(EvalSyntaxTest, ValuesFillTheSlotsInOrderAndAnEighthIsDropped) {
  slots_.count = 0;
  for (int i = 1; i <= 8; ++i) EXPECT_TRUE(Eval("<ANUM>", std::to_string(i)));
  EXPECT_EQ(slots_.count, 7);
  EXPECT_EQ(slots_.values, (std::array<std::string, 7>{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_FALSE(Eval("<WORD>", "9x"));  // refused and, the slots being full, not stored either
  EXPECT_EQ(slots_.count, 7);
}

}  // namespace
}  // namespace rd::test
