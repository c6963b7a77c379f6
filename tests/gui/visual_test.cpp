// The visual properties under Qt: "Arial" resolves to the installed substitute; the windows
// draw their fonts, the lab console its colours and the decoration lines their line; a box with
// a horizontal bar does not wrap; the lab window's controls follow their anchors; every window
// opens inside the screen, over the window it was opened from.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/app_host.h"
#include "authoring/form22.h"
#include "gui/appearance.h"
#include "gui/binder.h"
#include "gui/line_view.h"
#include "gui/window_placement.h"
#include "qt_app.h"
#include "shipped_app.h"

namespace rd::gui {
namespace {

// Whether `image` has a pixel of `color` inside `area`.
bool HasColor(const QImage& image, const QColor& color, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == color) return true;
    }
  }
  return false;
}

TEST(Fonts, ArialResolvesToTheInstalledSubstitute) {
  test::QtApp();
  InstallFontSubstitutes();
  ASSERT_TRUE(QFontDatabase::families().contains(kArialSubstitute))
      << kArialSubstitute << " is not installed (package fonts-liberation2, tools/build.sh)";
  EXPECT_EQ(QFontInfo(QFont("Arial")).family(), QString(kArialSubstitute));
  const QFontInfo bold(FontOf({"Arial", 14, true}, QFont()));
  EXPECT_EQ(bold.family(), QString(kArialSubstitute));
  EXPECT_EQ(bold.pointSize(), 14);
  EXPECT_TRUE(bold.bold());
}

TEST(Placement, AWindowOpensInsideTheAvailableAreaOverItsOpener) {
  const QRect screen(0, 0, 1366, 728);
  // Centred on the opener when it fits there.
  EXPECT_EQ(OpeningFrame({400, 300}, QRect(100, 100, 600, 500), screen), QRect(200, 200, 400, 300));
  // Moved inside when centring would put it past an edge: never below the screen.
  EXPECT_EQ(OpeningFrame({500, 400}, QRect(1100, 600, 200, 100), screen),
            QRect(866, 328, 500, 400));
  // Larger than the screen: cut down to it.
  EXPECT_EQ(OpeningFrame({1208, 740}, screen, screen), QRect(79, 0, 1208, 728));
}

class VisualTest : public ShippedAppTest {
 protected:
  QRect Geometry(const std::string& form, const std::string& name) {
    return binder_->ViewOf(Control(form, name))->widget()->geometry();
  }
  void ExpectInsideTheScreen(const std::string& form) {
    FormWindow* window = binder_->WindowOf(form);
    ASSERT_NE(window, nullptr) << form;
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry()))
        << form << " at " << window->frameGeometry().x() << "," << window->frameGeometry().y()
        << " " << window->frameGeometry().width() << "x" << window->frameGeometry().height();
  }
  // A console with no bar of its own in the design shows one when its text overflows.
  void ExpectABarOnceTheTextOverflows(QPlainTextEdit& console) {
    for (int i = 0; i < 60; ++i) QTest::keyClick(&console, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(console.verticalScrollBar()->isVisible()) << "no bar after 60 lines";
  }
  // The line of a window as drawn: its colour ("#rrggbb") at the middle of its two ends.
  QString LineColor(const std::string& form) {
    auto* view = dynamic_cast<LineView*>(binder_->ViewOf(Control(form, "Line1")));
    if (view == nullptr) return "no line";
    QWidget* canvas = view->widget()->parentWidget();
    const QImage image = canvas->grab().toImage();
    return image.pixelColor(view->Drawn().center()).name();
  }
};

TEST_F(VisualTest, WindowsDrawTheirFontsTheLabConsoleItsColoursAndLinesTheirLine) {
  const QColor windowText = QGuiApplication::palette().color(QPalette::WindowText);
  FormWindow* main = binder_->WindowOf("Form17");
  ASSERT_NE(main, nullptr);
  ExpectInsideTheScreen("Form17");
  EXPECT_EQ(LineColor("Form17"), windowText.name());
  ChooseMenu(*main, {"&Lab Exercises", "CLI Fundamental Labs", "User and Privileged Modes"});

  // The lab console: white text on the window-text colour, as a dark console.
  ExpectInsideTheScreen("Form25");
  auto* console = Widget<QPlainTextEdit>("Form25", "Text1");
  ASSERT_NE(console, nullptr);
  EXPECT_EQ(console->palette().color(QPalette::Text).name(), QColor(Qt::white).name());
  EXPECT_EQ(console->palette().color(QPalette::Base).name(), windowText.name());
  const QImage drawn = console->viewport()->grab().toImage();
  EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, drawn.height() - 4).name(), windowText.name());
  EXPECT_TRUE(HasColor(drawn, Qt::white, QRect(0, 0, drawn.width(), 24)))
      << "no white text in the console's first line";
  // Once its text overflows, it shows a vertical bar in the program's own colours.
  ExpectABarOnceTheTextOverflows(*console);
  const QPalette bar = console->verticalScrollBar()->palette();
  const QPalette system = QApplication::palette(console->verticalScrollBar());
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
    EXPECT_EQ(bar.color(role).name().toStdString(), system.color(role).name().toStdString())
        << "role " << role;
  }
  // Its step boxes list a vertical bar.
  auto* steps = Widget<QPlainTextEdit>("Form25", "Text2");
  ASSERT_NE(steps, nullptr);
  EXPECT_EQ(steps->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(steps->lineWrapMode(), QPlainTextEdit::WidgetWidth);

  // Enlarged, the lab window grows the console and the step list and keeps the rest in place
  // beside and below them.
  FormWindow* lab = binder_->WindowOf("Form25");
  lab->resize(lab->size() + QSize(200, 100));
  QApplication::processEvents();
  EXPECT_EQ(Geometry("Form25", "Text1"), QRect(16, 36, 920, 680));
  EXPECT_EQ(Geometry("Form25", "Label1"), QRect(16, 8, 300, 24));
  EXPECT_EQ(Geometry("Form25", "Text2"), QRect(956, 64, 428, 400));
  EXPECT_EQ(Geometry("Form25", "Text3"), QRect(956, 504, 428, 120));
  EXPECT_EQ(Geometry("Form25", "Label6"), QRect(1100, 648, 120, 24));
  EXPECT_EQ(Geometry("Form25", "Picture1"), QRect(1244, 4, 140, 28));
  EXPECT_EQ(Geometry("Form25", "Command1"), QRect(16, 736, 200, 40));
  EXPECT_EQ(Geometry("Form25", "Command5"), QRect(880, 736, 200, 40));

  // The score window: Arial, its heading bold; its line drawn.
  const QPoint labCentre = lab->frameGeometry().center();
  Press("Form25", "Command4");
  ExpectInsideTheScreen("Form28");
  EXPECT_LE((binder_->WindowOf("Form28")->frameGeometry().center() - labCentre).manhattanLength(),
            2)
      << "the score window opens centred on the lab window";
  auto* heading = Widget<QLabel>("Form28", "Label1");
  auto* scored = Widget<QLabel>("Form28", "Label2");
  ASSERT_NE(heading, nullptr);
  ASSERT_NE(scored, nullptr);
  const QFontInfo headingFont(heading->font());
  EXPECT_EQ(headingFont.family(), QString(kArialSubstitute));
  EXPECT_TRUE(headingFont.bold());
  EXPECT_EQ(headingFont.pointSize(), 14);
  EXPECT_EQ(QFontInfo(scored->font()).family(), QString(kArialSubstitute));
  EXPECT_FALSE(QFontInfo(scored->font()).bold());
  EXPECT_EQ(LineColor("Form28"), windowText.name());
  Press("Form28", "Command1");

  // The terminal: its console in Arial; its line drawn below the console.
  host_->ui().ChooseMenu(dynamic_cast<forms::Menu&>(Control("Form17", "mnursim")));
  ExpectInsideTheScreen("Form2");
  auto* terminal = Widget<QPlainTextEdit>("Form2", "Text1");
  ASSERT_NE(terminal, nullptr);
  EXPECT_EQ(QFontInfo(terminal->font()).family(), QString(kArialSubstitute));
  EXPECT_EQ(QFontInfo(terminal->font()).pointSize(), 10);
  EXPECT_EQ(LineColor("Form2"), windowText.name());
  ExpectABarOnceTheTextOverflows(*terminal);
  EXPECT_TRUE(svc_.shown.empty());
}

TEST_F(VisualTest, APasswordBoxShowsAStarForEachCharacterTyped) {
  host_->ui().ChooseMenu(dynamic_cast<forms::Menu&>(Control("Form17", "mnuadmin")));
  auto* password = Widget<QLineEdit>("Form4", "Text2");
  ASSERT_NE(password, nullptr);
  QTest::keyClicks(password, "tul");
  QInputMethodEvent accented;  // a character from outside ASCII: two bytes, one star
  accented.setCommitString(QString::fromUtf8("\xC3\xAD"));
  QApplication::sendEvent(password, &accented);
  QTest::keyClicks(password, "p");
  EXPECT_EQ(password->text(), QString("*****"));
  QTest::keyClick(password, Qt::Key_Left);
  EXPECT_EQ(password->cursorPosition(), 4);
  QTest::keyClick(password, Qt::Key_Backspace);
  EXPECT_EQ(password->text(), QString("****"));
  EXPECT_EQ(password->cursorPosition(), 3);

  // "tulíp" again; a click just after the fourth star, the one of the two-byte character, puts
  // the caret after that character, where the next one typed goes.
  QApplication::sendEvent(password, &accented);
  QTest::keyClick(password, Qt::Key_End);
  std::vector<int> afterFourth;
  for (int x = 0; x < password->width(); ++x) {
    if (password->cursorPositionAt(QPoint(x, password->height() / 2)) == 4)
      afterFourth.push_back(x);
  }
  ASSERT_FALSE(afterFourth.empty());
  QTest::mouseClick(password, Qt::LeftButton, {},
                    QPoint(afterFourth[afterFourth.size() / 2], password->height() / 2));
  QTest::keyClicks(password, "x");
  EXPECT_EQ(dynamic_cast<forms::TextBox&>(Control("Form4", "Text2")).Text(), "tul\xC3\xADxp");
}

TEST_F(VisualTest, ABoxWithAHorizontalBarDoesNotWrap) {
  host_->ui().RunEvent([&] { host_->app().Window<Form22>().Show(); });
  ExpectInsideTheScreen("Form22");
  auto* response = Widget<QPlainTextEdit>("Form22", "Text2");
  ASSERT_NE(response, nullptr);
  EXPECT_EQ(response->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(response->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(response->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // An administrator window keeps the default font.
  auto* command = Widget<QLineEdit>("Form22", "Text1");
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->font(), QApplication::font(command));
}

}  // namespace
}  // namespace rd::gui
