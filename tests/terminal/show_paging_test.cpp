// Paging of show output printed by Enter. The template's lines end with a line break, so N
// template lines split into N + 1 pieces, the last one empty.
#include <fstream>

#include "terminal_fixture.h"

namespace rd::test {
namespace {

class ShowPagingTest : public TerminalTest {
 protected:
  // A "show version" command whose output is `lines` numbered lines.
  void ShowVersionOf(int lines) {
    db::Connection conn;
    conn.Open(TestWorkdir::ConnStr());
    db::Recordset rs;
    rs.LockType = db::adLockOptimistic;
    rs.Open("select * from tblsublabcmds1", conn);
    rs.AddNew();
    rs.SetField("Index", "1100");
    rs.SetField("command", "version");
    rs.SetField("morewords", "0");
    rs.SetField("cmdresponse", "nill");
    rs.SetField("ref", "2");
    rs.Update();
    std::ofstream out("showcommands.txt", std::ios::binary);
    out << "show version\r\n";
    for (int i = 1; i <= lines; ++i) out << "line" << i << "\r\n";
    out << "\r\n";
  }
  // Screen lines from..to (1-based, inclusive) as "lineFROM\n...\nlineTO\n".
  static std::string Lines(int from, int to) {
    std::string s;
    for (int i = from; i <= to; ++i) s += "line" + std::to_string(i) + "\n";
    return s;
  }
  static constexpr const char* kStart = "press enter to begin\nR1>show version\n";
};

TEST_F(ShowPagingTest, TwentySixPiecesGiveOnePageAndOneLineMore) {
  ShowVersionOf(25);
  Type("~show version~");
  EXPECT_EQ(Screen(), kStart + Lines(1, 25) + "--MORE--\n");
  Type(" ");
  EXPECT_EQ(Screen(), kStart + Lines(1, 25) + "\nR1>");
  Type("show version~");
  Type("~");  // the last piece is empty: a new text shorter than the marker line
  EXPECT_EQ(Screen(), kStart + Lines(1, 25) + "\nR1>show version\n" + Lines(1, 25) + "\nR1>\n");
  // The line typed there is the next command line.
  Type("x");
  EXPECT_EQ(Screen().substr(Screen().size() - 6), "\nR1>x\n");
  Type("~");
  EXPECT_EQ(Screen().substr(Screen().size() - 29), "\nR1>x\n\nCommand Not Found\nR1>\n");
}

TEST_F(ShowPagingTest, SixtyPiecesPageBySpaceAndByEnterAfterSpace) {
  ShowVersionOf(59);
  Type("~show version~  ");
  EXPECT_EQ(Screen(), kStart + Lines(1, 59) + "\nR1>");
  Type("show version~ ~");
  const std::string second = kStart + Lines(1, 59) + "\nR1>show version\n";
  EXPECT_EQ(Screen(), second + Lines(1, 51) + "--MORE--\n");
  Type("q");
  EXPECT_EQ(Screen(), second + Lines(1, 51) + "\nR1>");
  EXPECT_FALSE(app_.g.gMorePending);
}

TEST_F(ShowPagingTest, ArrowKeyEndsPagingAndTheNextOutputStartsAfresh) {
  ShowVersionOf(59);
  Type("~show version~{RIGHT}");
  EXPECT_EQ(Screen(), kStart + Lines(1, 25) + "\nR1>");
  Type("show version~ ");
  EXPECT_NE(Screen().find(Lines(25, 50) + "--MORE--"), std::string::npos);
}

}  // namespace
}  // namespace rd::test
