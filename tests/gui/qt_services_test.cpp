// The Qt services: message box titles, buttons and answers, the file filter conversion, help.
#include "gui/qt_services.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "qt_app.h"
#include "support/test_workdir.h"

namespace rd::gui {
namespace {

// Answers the next message box with the given button and records its title and text.
struct BoxAnswer {
  explicit BoxAnswer(QMessageBox::StandardButton p) : press(p) {}
  QMessageBox::StandardButton press;
  QString title;
  QString text;
  int buttons = 0;
  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      if (press == QMessageBox::Escape) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        box->button(press)->click();
      }
    });
  }
};

TEST(QtServices, MessageBoxesHaveTheAppTitleAndAnswerAsTheClassicToolkit) {
  test::QtApp();
  QtServices svc;
  int redraws = 0;
  svc.beforeModal = [&] { ++redraws; };

  BoxAnswer ok{QMessageBox::Ok};
  ok.Arm();
  EXPECT_EQ(svc.MsgBox("line one\r\nline two", services::vbOKOnly, ""), services::vbOK);
  EXPECT_EQ(ok.title, QString("Quillworks"));
  EXPECT_EQ(ok.text, QString("line one\nline two"));
  EXPECT_EQ(ok.buttons, 1);

  BoxAnswer yes{QMessageBox::Yes};
  yes.Arm();
  EXPECT_EQ(svc.MsgBox("Save?", services::vbYesNo | services::vbQuestion, "Router"),
            services::vbYes);
  EXPECT_EQ(yes.title, QString("Router"));
  EXPECT_EQ(yes.buttons, 2);

  BoxAnswer escape{QMessageBox::Escape};
  escape.Arm();
  EXPECT_EQ(svc.MsgBox("Save?", services::vbYesNo, ""), services::vbNo);

  BoxAnswer cancel{QMessageBox::Cancel};
  cancel.Arm();
  EXPECT_EQ(svc.MsgBox("Go on?", services::vbOKCancel, ""), services::vbCancel);
  EXPECT_EQ(redraws, 4);
}

// A description that shows its patterns already is not given them twice.
TEST(QtServices, ClassicFileFiltersBecomeQtFilters) {
  EXPECT_EQ(QtFileFilter("rconfig(*.rcon)|*.rcon"), QString("rconfig(*.rcon)"));
  EXPECT_EQ(QtFileFilter("Pictures (*.jpg;*.gif)|*.gif;*.jpg"), QString("Pictures (*.jpg;*.gif)"));
  EXPECT_EQ(QtFileFilter("Pictures|*.gif;*.jpg|All files|*.*"),
            QString("Pictures (*.gif *.jpg);;All files (*.*)"));
  EXPECT_EQ(QtFileFilter("Old (*.bak)|*.rcon"), QString("Old (*.bak) (*.rcon)"));
  EXPECT_EQ(QtFileFilter(""), QString());
}

// The real save dialog lists the filter once and completes a name typed without extension.
TEST(QtServices, SaveDialogAddsTheDefaultExtension) {
  test::QtApp();
  test::TestWorkdir work;
  QtServices svc;
  QStringList filters;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("mycfg");
    QTest::keyClick(name, Qt::Key_Return);
  });
  services::FileDialogRequest request;
  request.save = true;
  request.filter = "rconfig(*.rcon)|*.rcon";
  request.initDir = work.path().string();
  request.defaultExt = "rcon";
  const std::optional<std::string> chosen = svc.FileDialog(request);
  EXPECT_EQ(filters, QStringList{"rconfig(*.rcon)"});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(std::filesystem::path(*chosen), work.path() / "mycfg.rcon");
}

TEST(QtServices, HelpOpensTheStartPageInAWindow) {
  test::QtApp();
  test::TestWorkdir work;
  std::filesystem::create_directories("help");
  std::ofstream("help/quillonhelp1.html")
      << "<html><head><title>Router help</title></head><body>Contents</body></html>";
  QtServices svc;
  svc.ShowHelp("help/quillonhelp1.html");
  QTextBrowser* help = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* b = qobject_cast<QTextBrowser*>(w); b && b->isVisible()) help = b;
  }
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), QString("Router help"));
  EXPECT_TRUE(help->toPlainText().contains("Contents"));
}

}  // namespace
}  // namespace rd::gui
