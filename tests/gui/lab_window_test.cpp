// A shipped exercise under Qt: chosen from the main window's menu, the lab window shows its
// steps and pictures, its console takes the first command typed into the widget, the console's
// context menu is its own, the flash card is read-only, and the diagram shows the exercise's
// GIF.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <memory>

#include "app/app_host.h"
#include "gui/binder.h"
#include "shipped_app.h"

namespace rd::gui {
namespace {

using LabWindowTest = ShippedAppTest;

TEST_F(LabWindowTest, AShippedExerciseShowsItsStepsPicturesFlashCardAndDiagram) {
  FormWindow* main = binder_->WindowOf("Form17");
  ASSERT_NE(main, nullptr);
  ChooseMenu(*main, {"&Lab Exercises", "CLI Fundamental Labs", "User and Privileged Modes"});

  ASSERT_TRUE(Shows("Form25"));
  EXPECT_EQ(binder_->WindowOf("Form25")->windowTitle(), QString("User and Privileged Modes"));
  auto* steps = Widget<QPlainTextEdit>("Form25", "Text2");
  ASSERT_NE(steps, nullptr);
  EXPECT_TRUE(steps->toPlainText().startsWith(
      "1)Enter privileged EXEC mode on R1.\n-------------\n2)Display the software version"));
  auto* console = Widget<QPlainTextEdit>("Form25", "Text1");
  ASSERT_NE(console, nullptr);
  EXPECT_EQ(console->toPlainText(), QString("press enter to begin"));
  EXPECT_FALSE(binder_->WindowOf("Form25")->menuBar()->isVisible());
  QTest::keyClick(console, Qt::Key_Return);
  QTest::keyClicks(console, "enable");
  QTest::keyClick(console, Qt::Key_Return);
  const std::string expected = "press enter to begin\r\nR1>enable\r\nR1#\r\n";
  EXPECT_EQ(dynamic_cast<forms::TextBox&>(Control("Form25", "Text1")).Text(), expected);
  EXPECT_EQ(console->toPlainText(), QString("press enter to begin\nR1>enable\nR1#\n"));
  QTest::mouseClick(console->viewport(), Qt::RightButton);
  ASSERT_EQ(svc_.shown.size(), 1u);
  EXPECT_EQ(svc_.shown[0].kind, "POPUP");
  EXPECT_EQ(svc_.shown[0].text, "&Undo | - | Cu&t | &Copy | &Paste | &delete | - | Select &All");
  EXPECT_TRUE(Control("Form25", "Text1").Enabled);
  svc_.shown.clear();
  auto* logo = Widget<QLabel>("Form25", "Picture1");
  ASSERT_NE(logo, nullptr);
  EXPECT_FALSE(logo->pixmap().isNull());

  Press("Form25", "Command3");
  ASSERT_TRUE(Shows("Form32"));
  EXPECT_FALSE(Shows("Form25"));
  auto* card = Widget<QTextBrowser>("Form32", "rtfData");
  ASSERT_NE(card, nullptr);
  EXPECT_TRUE(card->isReadOnly());
  EXPECT_TRUE(card->toPlainText().startsWith("User EXEC mode (prompt ending in >)"));
  const QString before = card->toPlainText();
  QTest::keyClicks(card, "typed");
  EXPECT_EQ(card->toPlainText(), before);
  auto* printable = Widget<QTextBrowser>("Form32", "RichTextBox1");
  ASSERT_NE(printable, nullptr);
  EXPECT_FALSE(printable->isVisible());
  Press("Form32", "Command1");
  EXPECT_TRUE(Shows("Form25"));

  Press("Form25", "Command1");
  ASSERT_TRUE(Shows("Form27"));
  auto* diagram = Widget<QLabel>("Form27", "Image1");
  ASSERT_NE(diagram, nullptr);
  EXPECT_FALSE(diagram->pixmap().isNull());
  EXPECT_TRUE(svc_.shown.empty());
}

}  // namespace
}  // namespace rd::gui
