// Runtime text and Qt document: conversions of text and positions, and the incremental redraw.
#include "gui/text_mirror.h"

#include <gtest/gtest.h>

#include <QTextDocument>

#include "gui/qt_text.h"

namespace rd::gui {
namespace {

TEST(QtText, LineBreaksBecomeOneCharacterAndPositionsFollow) {
  const std::string text = "R1>\r\nshow\rx\ny\r\n";
  EXPECT_EQ(ToQtText(text), QString("R1>\nshow\nx\ny\n"));
  EXPECT_EQ(QtLength(text, 0, text.size()), 13);
  // Additive across a split inside CR LF: the LF belongs to the CR before it.
  EXPECT_EQ(QtLength(text, 0, 4) + QtLength(text, 4, text.size()), 13);
  EXPECT_EQ(ToQtText(text, 4), QString("show\nx\ny\n"));
  // Qt position 4 is after the first line break: byte 5, never between CR and LF.
  EXPECT_EQ(ByteOffsetAt(text, 4), 5);
  EXPECT_EQ(ByteOffsetAt(text, 3), 3);
  EXPECT_EQ(ByteOffsetAt(text, 100), static_cast<int>(text.size()));
}

TEST(QtText, MultiByteCharactersCountAsQtDoes) {
  const std::string text =
      "a\xC3\xA9"
      "b\xF0\x9F\x98\x80"
      "c";  // a é b 😀 c
  const QString qt = ToQtText(text);
  EXPECT_EQ(QtLength(text, 0, text.size()), qt.size());
  EXPECT_EQ(ByteOffsetAt(text, 2), 3);  // after é
  EXPECT_EQ(ByteOffsetAt(text, 5), 8);  // after the pair of 😀
}

class MirrorTest : public ::testing::Test {
 protected:
  QTextDocument doc;
  TextMirror mirror{doc};
};

TEST_F(MirrorTest, GrowingTranscriptIsAppendedNeverReplaced) {
  std::string text = "R1>";
  mirror.Update(text);
  for (int i = 0; i < 500; ++i) {
    text += "show\r\nok\r\nR1>";
    mirror.Update(text);
  }
  EXPECT_EQ(mirror.Stats().appends, 501u);
  EXPECT_EQ(mirror.Stats().tailEdits, 0u);
  EXPECT_EQ(mirror.Stats().fullReplaces, 0u);
  EXPECT_EQ(doc.blockCount(), 1001);
  EXPECT_EQ(doc.toPlainText(), ToQtText(text));
  EXPECT_EQ(mirror.QtPosition(static_cast<int>(text.size())), doc.characterCount() - 1);
}

TEST_F(MirrorTest, EditsNearTheEndReplaceOnlyTheTail) {
  mirror.Update("R1>show\r\n--MORE--");
  mirror.Update("R1>show\r\n");  // the pager marker removed
  mirror.Update("R1>show\r\nline 2\r");
  mirror.Update("R1>show\r\nline 2\r\nR1>");  // the LF completes the CR already drawn
  EXPECT_EQ(mirror.Stats().tailEdits, 1u);
  EXPECT_EQ(mirror.Stats().appends, 3u);
  EXPECT_EQ(doc.toPlainText(), QString("R1>show\nline 2\nR1>"));
  EXPECT_EQ(doc.blockCount(), 3);
}

TEST_F(MirrorTest, NothingInCommonReplacesTheWholeDocument) {
  mirror.Update("Router>");
  mirror.Update("press enter");
  EXPECT_EQ(mirror.Stats().fullReplaces, 1u);
  EXPECT_EQ(doc.toPlainText(), QString("press enter"));
  mirror.Update("");
  EXPECT_EQ(doc.toPlainText(), QString());
}

TEST_F(MirrorTest, EditInsideACharacterCutsAtItsStart) {
  mirror.Update("x\xC3\xA9");  // xé
  mirror.Update("x\xC3\xA8");  // xè: the bytes differ only after the lead byte
  EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("x\xC3\xA8"));
  EXPECT_EQ(mirror.Stats().tailEdits, 1u);
}

TEST_F(MirrorTest, PositionsCountFromEitherEnd) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  mirror.Update(text);
  EXPECT_EQ(mirror.QtPosition(12), 10);  // two lines in, near the start
  const int nearEnd = static_cast<int>(text.size()) - 6;
  EXPECT_EQ(mirror.QtPosition(nearEnd), 99 * 5);
  EXPECT_EQ(mirror.ByteOffset(99 * 5), nearEnd);
}

}  // namespace
}  // namespace rd::gui
