// Lines of two or more words: the walk level by level, placeholders, configuration writes, the
// result flags and the dispatch to the device model.
#include "interpreter_fixture.h"

namespace rd::test {
namespace {

using MultiWordTest = InterpreterTest;

// --- Recognition ---------------------------------------------------------------------------

TEST_F(MultiWordTest, AbbreviationsAtEveryLevelExpandToTheStoredKeywords) {
  Enter("#", "SH INT E 0");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(g.gShowOutput, "Ethernet0 alone\r\n");  // "show interfaces ethernet 0"
}

TEST_F(MultiWordTest, AmbiguityAtLevelOneAndDeeper) {
  Enter("#", "show i");  // interfaces, ip
  EXPECT_EQ(Verdict(), "ambigious command");
  EXPECT_TRUE(g.gCmdEnabled);
  EXPECT_FALSE(g.gCmdIncomplete);
  Enter("(config)#", "no ip routing");  // "ip" is also the beginning of "ipx": no preference here
  EXPECT_EQ(Verdict(), "ambigious command");
  Enter("#", "show interfaces  0");  // the empty word begins ethernet and serial
  EXPECT_EQ(Verdict(), "ambigious command");
  EXPECT_EQ(g.gPrompt, "#");
  EXPECT_EQ(g.gResponse, "before");
}

TEST_F(MultiWordTest, AmbiguousFirstWord) {
  Enter("#", "c terminal");
  EXPECT_EQ(Verdict(), "ambigious command");
  Enter("(config)#", "i routing");  // ip, ipx, interface
  EXPECT_EQ(Verdict(), "ambigious command");
}

TEST_F(MultiWordTest, ExactIpIsTheRootAmongSeveral) {
  Enter("(config)#", "ip domain-lookup");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("domain_lookup"), "enable");
  Enter("(config)#", "IP domain-lookup");  // the preference compares exactly
  EXPECT_EQ(Verdict(), "ambigious command");
}

TEST_F(MultiWordTest, IpWithoutAnExactIpFirstWordIsAmbiguous) {
  Enter("(router-config)#", "ip route");  // ipv6 and ipx, but no "ip"
  EXPECT_EQ(Verdict(), "ambigious command");
  EXPECT_EQ(g.gResponse, "before");
  Enter("(router-config)#", "ipv route");
  EXPECT_EQ(g.gResponse, "ipv6 route set");
}

TEST_F(MultiWordTest, NotFoundCases) {
  Enter("#", "show versions");  // no such child
  EXPECT_EQ(Verdict(), "Command Not Found");
  Enter(">", "show version extra");  // the node takes no further words
  EXPECT_EQ(Verdict(), "Command Not Found");
  Enter("#", "ping 10.0.0.2 extra");  // nor does the placeholder
  EXPECT_EQ(Verdict(), "Command Not Found");
  Enter("#", "nothing here");
  EXPECT_EQ(Verdict(), "Command Not Found");
  EXPECT_EQ(g.gPrompt, "#");
  EXPECT_EQ(g.gResponse, "before");
}

TEST_F(MultiWordTest, PatternAndQuoteCharactersAreTakenLiterally) {
  for (const char* line : {"show %", "show _nterfaces", "sh% run", "show [r]unning-config",
                           "show run'", "show ' or '1'='1", "% %"}) {
    Enter("#", line);
    EXPECT_EQ(Verdict(), "Command Not Found") << line;
  }
}

TEST_F(MultiWordTest, OddLinesAreAnsweredLikeAnyOther) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {std::string(5000, 's'), "Command Not Found"},
      {"show " + std::string(5000, 'r'), "Command Not Found"},
      {"show" + std::string(300, ' ') + "run", "ambigious command"},  // empty words begin all
      {"show\trun", "Command Not Found"},
      {"show \xFF\xFE\xC3\xA9", "Command Not Found"},
      {"\"show\" run", "Command Not Found"},
      {"deep d1 d2 d3 d4 d5 d6 d7 d8 d9 d10 d11 d12 d13 d14 d15", "Command Not Found"},
      {"ping \xC3\xA9\xC3\xA9", "ran"},  // a host name is any word
  };
  for (const auto& [line, verdict] : cases) {
    Enter(line.starts_with("deep") ? "(config)#" : "#", line);
    EXPECT_EQ(Verdict(), verdict) << line.substr(0, 40);
  }
}

TEST_F(MultiWordTest, IncompleteLines) {
  Enter("#", "show ip");
  EXPECT_EQ(Verdict(), "incomplete command");
  Enter("(config)#", "access-list 10");  // a placeholder that takes more words
  EXPECT_EQ(Verdict(), "incomplete command");
  Enter("(config)#", "deep d1 d2");
  EXPECT_EQ(Verdict(), "incomplete command");
  EXPECT_EQ(g.gPrompt, "(config)#");
}

TEST_F(MultiWordTest, ShowInterfacesAloneIsComplete) {
  for (const char* prompt : {">", "#"}) {
    g.gShowOutput.clear();
    Enter(prompt, "sh int");
    EXPECT_EQ(Verdict(), "ran") << prompt;
    EXPECT_EQ(g.gShowOutput, "Ethernet0 is 10.0.0.1\r\n");
    EXPECT_EQ(g.gPrompt, prompt);
  }
}

TEST_F(MultiWordTest, TenWordsReachTheDeepestLevelAndElevenAreNotFound) {
  Enter("(config)#", "deep d1 d2 d3 d4 d5 d6 d7 d8 d9");
  EXPECT_EQ(Verdict(), "ran");  // a last word at level 9 is complete whatever its morewords
  EXPECT_EQ(g.gResponse, "bottom");
  Enter("(config)#", "deep d1 d2 d3 d4 d5 d6 d7 d8 d9 d10");
  EXPECT_EQ(Verdict(), "Command Not Found");
}

// --- Mode, response and interface ------------------------------------------------------------

TEST_F(MultiWordTest, CompleteLineTakesTheFirstWordsNextModeAndKeepsANullResponse) {
  g.gCurrentInterface = "ethernet0";
  Enter("#", "conf t");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(g.gPrompt, "(config)#");
  EXPECT_EQ(g.gResponse, "before");  // deeper "null" leaves the response alone
  EXPECT_EQ(g.gCurrentInterface, "nill");
}

TEST_F(MultiWordTest, DeeperResponseIsCopied) {
  Enter("(config)#", "ipx routing");
  EXPECT_EQ(g.gResponse, "IPX routing enabled");
  EXPECT_EQ(Var("ipx_routing"), "enable");
}

TEST_F(MultiWordTest, PlaceholderThatEndsALineWithoutWritingTakesModeAndResponse) {
  Enter("#", "clock set 30");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(g.gResponse, "Clock set");
  EXPECT_EQ(g.gPrompt, "#");
  Enter("#", "clock set 60");
  EXPECT_EQ(Verdict(), "Command Not Found");
}

TEST_F(MultiWordTest, InterfaceAndLineSetTheSubModeObject) {
  Enter("(config)#", "int e 0");
  EXPECT_EQ(g.gPrompt, "(config-if)#");
  EXPECT_EQ(g.gCurrentInterface, "ethernet0");
  Enter("(config-if)#", "interface serial 0");
  EXPECT_EQ(g.gCurrentInterface, "serial0");
  Enter("(config)#", "line vty 0 4");
  EXPECT_EQ(g.gPrompt, "(config-line)#");
  EXPECT_EQ(g.gCurrentInterface, "linevty");
  Enter("(config)#", "line con 0");
  EXPECT_EQ(g.gCurrentInterface, "lineconsole");
}

// --- Configuration writes ------------------------------------------------------------------

TEST_F(MultiWordTest, HostnameStoresTheValueAndLeavesModeAndResponse) {
  Enter("(config)#", "hostname Core1");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("HostName"), "Core1");
  EXPECT_EQ(g.gHostName, "Core1");
  EXPECT_EQ(g.gPrompt, "(config)#");
  EXPECT_EQ(g.gResponse, "before");
  EXPECT_EQ(g.gPlaceholderCount, 1);
}

TEST_F(MultiWordTest, RefusedWordStillTakesASlot) {
  Enter("(config)#", "hostname 1R");
  EXPECT_EQ(Verdict(), "Command Not Found");
  EXPECT_EQ(g.gPlaceholderCount, 1);
  EXPECT_EQ(g.gPlaceholderValues[0], "1R");
  EXPECT_EQ(Var("HostName"), "R1");
}

TEST_F(MultiWordTest, ValuesOfOneLineFillTheSlotsInWordOrder) {
  Enter("(config)#", "access-list 15 Permit 10.1.1.1");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(g.gPlaceholderCount, 3);
  EXPECT_EQ(Var("accesslist_num"), "15");
  EXPECT_EQ(Var("accesslist_action"), "Permit");
  EXPECT_EQ(Var("accesslist_address"), "10.1.1.1");
  EXPECT_EQ(g.gPrompt, "(config)#");
}

TEST_F(MultiWordTest, PlaceholdersTypedAsListedAreJudgedByTheirRuleAndNoOldValueIsWritten) {
  Enter("(config)#", "hostname Core1");
  Enter("(config-if)#", "ip address 10.9.9.9 255.255.255.0");  // leaves two values behind
  // "<A.B.C.D>" is no address, so nothing is written from an earlier line.
  g.gCurrentInterface = "serial0";
  Enter("(config-if)#", "ip address <A.B.C.D> <A.B.C.D>");
  EXPECT_EQ(Verdict(), "Command Not Found");
  EXPECT_EQ(Var("serial0_ip_address"), "unassigned");
  // "<WORD>" is a word like any other: the secret is the typed text, not the old host name.
  g.gCurrentInterface = "nill";
  Enter("(config)#", "enable secret <WORD>");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("secret_password"), "<WORD>");
  EXPECT_EQ(g.gPlaceholderValues[0], "<WORD>");
  EXPECT_EQ(g.gPlaceholderValues[1], "255.255.255.0");  // old slots stay, but are not written
}

TEST_F(MultiWordTest, EighthValueOfALineIsDropped) {
  Enter("(config)#", "many a b c d e f g h");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(g.gPlaceholderCount, 7);
  EXPECT_EQ(g.gPlaceholderValues[6], "g");
  EXPECT_EQ(Var("banner_motd"), "a");
}

TEST_F(MultiWordTest, WritesInsideAnInterfaceUseItsPrefix) {
  g.gCurrentInterface = "serial0";
  Enter("(config-if)#", "ip add 30.0.0.1 255.255.255.0");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("serial0_ip_address"), "30.0.0.1");
  EXPECT_EQ(Var("serial0_dec_mask"), "255.255.255.0");
  EXPECT_EQ(g.gCurrentInterface, "serial0");
  EXPECT_EQ(g.gResponse, "before");

  Enter("(config-if)#", "encap PPP");
  EXPECT_EQ(Var("serial0_encapsulation", "R1"), "PPP");
}

TEST_F(MultiWordTest, AddressHeldByAnotherInterfaceIsRefused) {
  g.gCurrentInterface = "serial0";
  Enter("(config-if)#", "ip address 10.0.0.2 255.255.255.0");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(last_.config.result, ConfigResult::AddressInUse);
  EXPECT_EQ(Var("serial0_ip_address"), "unassigned");
}

TEST_F(MultiWordTest, NoShutdownWritesNillAndUp) {
  Build("UPDATE routervariables SET R1 = 'shutdown' WHERE Config_Variable = 'ethernet0_shutdown';");
  g.gCurrentInterface = "ethernet0";
  Enter("(config-if)#", "no shut");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("ethernet0_shutdown"), "nill");
  EXPECT_EQ(Var("ethernet0_status"), "up");
  EXPECT_EQ(g.gPrompt, "(config-if)#");
  EXPECT_EQ(g.gCurrentInterface, "ethernet0");
}

TEST_F(MultiWordTest, LinePasswordGoesToTheLinesVariable) {
  g.gCurrentInterface = "linevty";
  Enter("(config-line)#", "password s3cret");
  EXPECT_EQ(Var("linevty_pass"), "s3cret");
  EXPECT_EQ(Var("lineconsole_pass"), "nill");
}

TEST_F(MultiWordTest, QuoteInAValueIsStoredAsTyped) {
  Enter("(config)#", "enable password it's");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("enable_password"), "it's");
}

TEST_F(MultiWordTest, MissingVariableIsNamed) {
  Build("DELETE FROM routervariables WHERE Config_Variable = 'ipx_routing';");
  Enter("(config)#", "ipx routing");
  EXPECT_EQ(last_.config.result, ConfigResult::MissingVariable);
  EXPECT_EQ(last_.config.missingVariable, "ipx_routing");
}

// --- Dispatch ------------------------------------------------------------------------------

TEST_F(MultiWordTest, PingAnswersThroughTheResponse) {
  Enter("#", "ping 10.0.0.2");
  EXPECT_NE(g.gResponse.find(" !!!!! "), std::string::npos) << g.gResponse;
  Enter("#", "ping R9");
  EXPECT_EQ(g.gResponse, "Trying R9\r\n% Destination unreachable; gateway or host down");
  EXPECT_EQ(g.gPrompt, "#");
}

TEST_F(MultiWordTest, TelnetAndResumeSwitchTheDevice) {
  Enter(">", "telnet R2");
  EXPECT_EQ(g.gHostName, "R2");
  EXPECT_EQ(g.gDeviceColumn, "R2");
  EXPECT_EQ(g.gSavedHostName, "R1");
  Enter("#", "resume 3");
  EXPECT_EQ(g.gHostName, "R3");
  EXPECT_EQ(g.gPrompt, ">");
  EXPECT_EQ(g.gResponse, "nill");
}

TEST_F(MultiWordTest, CopyAndEraseTheStartupConfiguration) {
  Enter("#", "copy run start");
  EXPECT_EQ(Var("startup-config"), "\r\nhostname\r\nR1\r\n");
  Enter("#", "erase startup-config");
  EXPECT_EQ(Var("startup-config"), "%% Non-volatile configuration memory is not present");
  EXPECT_EQ(Var("startup-config", "R2"), "nill");
}

TEST_F(MultiWordTest, DisconnectFreesTheSessionNumber) {
  Enter("#", "disconnect 3");
  EXPECT_EQ(Verdict(), "ran");
  EXPECT_EQ(Var("telnetsession_id", "R3"), "nill");
}

TEST_F(MultiWordTest, ShowHistoryListsTheHistory) {
  g.gHistory[1] = "enable";
  g.gHistory[2] = "sh hist";
  Enter("#", "sh hist");
  EXPECT_EQ(g.gShowOutput, "enable\r\nsh hist\r\n");
  EXPECT_TRUE(g.gShowReady);
}

TEST_F(MultiWordTest, NothingRunsForAnIncompleteOrAmbiguousShow) {
  g.gShowOutput = "untouched";
  Enter("#", "show ip");
  Enter("#", "show i");
  EXPECT_EQ(g.gShowOutput, "untouched");
}

}  // namespace
}  // namespace rd::test
