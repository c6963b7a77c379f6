// "?" after typed words: the listing (shown as the console prints it under the typed line) and
// the words left for re-typing.
#include "interpreter/context_help.h"

#include "interpreter_fixture.h"

namespace rd::test {
namespace {

class ContextHelpTest : public InterpreterTest {
 protected:
  // The console after "?" on `typed`, typed after the prompt of mode `prompt`: the typed line,
  // the listing and a fresh prompt.
  std::string Help(const std::string& prompt, const std::string& typed) {
    g.gPrompt = prompt;
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    help_ = ShowContextHelp(conn, g, typed);
    return "R1" + prompt + typed + "\r\n" + help_.text + "\r\nR1" + prompt;
  }
  static std::string Pad(int blanks) { return std::string(blanks, ' '); }
  HelpListing help_;
};

TEST_F(ContextHelpTest, PartialFirstWordListsItsCompletionsInTableOrder) {
  EXPECT_EQ(Help("(config-if)#", "s"),
            "R1(config-if)#s\r\n"
            "shutdown" +
                Pad(12) +
                "Shutdown the selected interface\r\n"
                "speed" +
                Pad(15) +
                "Configure speed operation.\r\n"
                "R1(config-if)#");
  EXPECT_EQ(help_.words, std::vector<std::string>{"s"});
  EXPECT_EQ(help_.lastWord, 0);
  EXPECT_FALSE(help_.trailingSpace);
}

TEST_F(ContextHelpTest, WordAndBlankListTheChildrenWithTheirHelp) {
  EXPECT_EQ(Help("#", "show "),
            "R1#show \r\n"
            "interfaces" +
                Pad(10) +
                "Interface status and configuration\r\n"
                "running-config" +
                Pad(6) +
                "Current operating configuration\r\n"
                "history" +
                Pad(13) +
                "Display the session command history\r\n"
                "ip" +
                Pad(18) +
                "IP information\r\n"
                "R1#");
  EXPECT_TRUE(help_.trailingSpace);
  EXPECT_EQ(help_.words, (std::vector<std::string>{"show", ""}));
  EXPECT_EQ(help_.lastWord, 0);
}

TEST_F(ContextHelpTest, ShowInterfacesMayEndThere) {
  const std::string listing = "\r\nethernet" + Pad(12) + "IEEE 802.3\r\nserial" + Pad(14) +
                              "Serial\r\n<carriage Return>\r\nR1#";
  EXPECT_EQ(Help("#", "show interfaces "), "R1#show interfaces " + listing);
  EXPECT_EQ(Help("#", "sh int "), "R1#sh int " + listing);
  EXPECT_EQ(help_.lastWord, 1);
}

TEST_F(ContextHelpTest, CompleteCommandListsCarriageReturnAndDropsTheBlank) {
  EXPECT_EQ(Help("#", "disable "), "R1#disable \r\n<carriage return>\r\nR1#");
  EXPECT_FALSE(help_.trailingSpace);
  EXPECT_EQ(Help("#", "show history "), "R1#show history \r\n<carriage return>\r\nR1#");
}

TEST_F(ContextHelpTest, KeywordsOf20CharactersOrMoreGetNoBlanks) {
  EXPECT_EQ(Help("#", "clock "),
            "R1#clock \r\n"
            "set" +
                Pad(17) +
                "Set the time and date\r\n"
                "twenty-characters-abA keyword of 20 characters\r\n"
                "longer-than-twenty-charsA keyword of 24\r\n"
                "R1#");
}

TEST_F(ContextHelpTest, BlanksCountCharactersOfNonAsciiKeywords) {
  Build(
      "INSERT INTO tblsublabcmds (\"index\", commandprompt, command, cmdenabled, commanddesc) "
      "VALUES (900, '(fr)#', 'r\xC3\xA9glage', 1, 'sept lettres');");
  EXPECT_EQ(Help("(fr)#", "r"), "R1(fr)#r\r\nr\xC3\xA9glage" + Pad(13) + "sept lettres\r\nR1(fr)#");
}

TEST_F(ContextHelpTest, PlaceholderCompletionsAndOneNotFoundPerRefusingCandidate) {
  EXPECT_EQ(Help("#", "ping 10.0.0.1"),
            "R1#ping 10.0.0.1\r\n<A.B.C.D>" + Pad(11) + "Ping destination address\r\nR1#");
  EXPECT_EQ(Help("#", "ping R2"), "R1#ping R2\r\nCommand Not Found\r\n<WORD>" + Pad(14) +
                                      "Ping destination host name\r\nR1#");
  EXPECT_EQ(help_.placeholders.count, 1);  // reset before each evaluation
  EXPECT_EQ(help_.placeholders.values[0], "R2");
  EXPECT_EQ(Help("#", "ping 10.0"),
            "R1#ping 10.0\r\nCommand Not Found\r\nCommand Not Found\r\nR1#");
}

TEST_F(ContextHelpTest, PlaceholderThatTakesMoreWordsListsItsChildren) {
  EXPECT_EQ(Help("(config)#", "access-list 10 "), "R1(config)#access-list 10 \r\n<PERMIT/DENY>" +
                                                      Pad(7) +
                                                      "Forward or reject packets\r\nR1(config)#");
  EXPECT_EQ(Help("(config)#", "access-list 10 permit 1.2.3.4 "),
            "R1(config)#access-list 10 permit 1.2.3.4 \r\n<carriage return>\r\nR1(config)#");
}

TEST_F(ContextHelpTest, TypedIpMeansTheFirstWordIp) {
  EXPECT_EQ(Help("(config)#", "ip "),
            "R1(config)#ip \r\nrouting" + Pad(13) + "Enable IP routing\r\ndomain-lookup" + Pad(7) +
                "Enable IP Domain Name System hostname translation\r\nR1(config)#");
  EXPECT_EQ(Help("(config)#", "ip r"),
            "R1(config)#ip r\r\nrouting" + Pad(13) + "Enable IP routing\r\nR1(config)#");
  EXPECT_EQ(Help("(config)#", "ip"),  // still being typed: every first word it begins
            "R1(config)#ip\r\nip" + Pad(18) + "Global IP configuration subcommands\r\nipx" +
                Pad(17) + "IPX global configuration commands\r\nR1(config)#");
}

TEST_F(ContextHelpTest, IpWithoutAnExactIpFirstWordIsLikeAnyAmbiguousWord) {
  EXPECT_EQ(Help("(router-config)#", "ip r"),
            "R1(router-config)#ip r\r\nCommand Not Found\r\nR1(router-config)#");
  EXPECT_EQ(Help("(router-config)#", "ip "), "R1(router-config)#ip \r\n\r\nR1(router-config)#");
}

TEST_F(ContextHelpTest, AmbiguousOrUnknownWords) {
  EXPECT_EQ(Help("#", "c "), "R1#c \r\n\r\nR1#");  // ambiguous complete word: nothing
  EXPECT_EQ(Help("#", "c t"), "R1#c t\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "xyz"), "R1#xyz\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "show x"), "R1#show x\r\n\r\nR1#");  // no child, no placeholder
  EXPECT_EQ(Help("#", "show interfaces e"),
            "R1#show interfaces e\r\nethernet" + Pad(12) + "IEEE 802.3\r\nR1#");
  EXPECT_EQ(Help("#", "show interfaces e 0 x"),
            "R1#show interfaces e 0 x\r\nCommand Not Found\r\nR1#");
}

TEST_F(ContextHelpTest, LeadingBlankMakesAnEmptyFirstWord) {
  EXPECT_EQ(Help("#", " s"), "R1# s\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", " "), "R1# \r\n\r\nR1#");
}

TEST_F(ContextHelpTest, PatternAndQuoteCharactersAreTakenLiterally) {
  EXPECT_EQ(Help("#", "sh%"), "R1#sh%\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "'"), "R1#'\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "show _"), "R1#show _\r\n\r\nR1#");
  EXPECT_EQ(Help("#", "show [i] "), "R1#show [i] \r\n\r\nR1#");
}

TEST_F(ContextHelpTest, OddLinesListLikeAnyOther) {
  EXPECT_EQ(Help("#", std::string(3000, 'x')),
            "R1#" + std::string(3000, 'x') + "\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "show\t"), "R1#show\t\r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "sh \xFF\xC3\xA9 "), "R1#sh \xFF\xC3\xA9 \r\n\r\nR1#");
  const std::string blanks(300, ' ');  // far past the depth of the tree
  EXPECT_EQ(Help("#", blanks), "R1#" + blanks + "\r\n\r\nR1#");
  EXPECT_EQ(help_.lastWord, 299);
}

TEST_F(ContextHelpTest, DepthLimits) {
  EXPECT_EQ(Help("(config)#", "deep d1 d2 d3 d4 d5 d6 d7 d8 "),
            "R1(config)#deep d1 d2 d3 d4 d5 d6 d7 d8 \r\nd9" + Pad(18) + "level 9\r\nR1(config)#");
  EXPECT_EQ(Help("(config)#", "deep d1 d2 d3 d4 d5 d6 d7 d8 d"),
            "R1(config)#deep d1 d2 d3 d4 d5 d6 d7 d8 d\r\nd9" + Pad(18) + "level 9\r\nR1(config)#");
  // Past the depth of the tree nothing is listed, but the words are still re-typed.
  EXPECT_EQ(Help("(config)#", "deep d1 d2 d3 d4 d5 d6 d7 d8 d9 "),
            "R1(config)#deep d1 d2 d3 d4 d5 d6 d7 d8 d9 \r\n\r\nR1(config)#");
  EXPECT_TRUE(help_.trailingSpace);
  EXPECT_EQ(Help("(config)#", "deep d1 d2 d3 d4 d5 d6 d7 d8 d9 d10"),
            "R1(config)#deep d1 d2 d3 d4 d5 d6 d7 d8 d9 d10\r\n\r\nR1(config)#");
  EXPECT_EQ(help_.lastWord, 10);
}

TEST_F(ContextHelpTest, HelpWritesNoDeviceState) {
  Help("(config)#", "hostname R9 ");
  EXPECT_EQ(Var("HostName"), "R1");
}

TEST_F(ContextHelpTest, PlaceholdersTypedAsListedAreJudgedByTheirRule) {
  // "<A.B.C.D>" is no address: nothing follows it. "<WORD>" is a word like any other.
  EXPECT_EQ(Help("#", "ping <A.B.C.D> "), "R1#ping <A.B.C.D> \r\nCommand Not Found\r\nR1#");
  EXPECT_EQ(Help("#", "ping <"), "R1#ping <\r\nCommand Not Found\r\n<WORD>" + Pad(14) +
                                     "Ping destination host name\r\nR1#");
}

}  // namespace
}  // namespace rd::test
