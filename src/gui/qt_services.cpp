#include "gui/qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTime>
#include <QUrl>
#include <algorithm>

#include "gui/qt_text.h"

namespace rd::gui {
namespace {

QMessageBox::Icon IconOf(int buttons) {
  switch (buttons & 0x70) {
    case services::vbCritical:
      return QMessageBox::Critical;
    case services::vbQuestion:
      return QMessageBox::Question;
    case services::vbExclamation:
      return QMessageBox::Warning;
    case services::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The patterns of a filter as a set, whatever separates them.
QStringList PatternSet(const QString& patterns) {
  QStringList set = patterns.split(QRegularExpression("[; ]+"), Qt::SkipEmptyParts);
  set.sort();
  set.removeDuplicates();
  return set;
}

// Whether a description already ends with its own patterns in brackets, "rconfig(*.rcon)".
bool ShowsPatterns(const QString& description, const QString& patterns) {
  const qsizetype open = description.lastIndexOf('(');
  if (open < 0 || !description.endsWith(')')) return false;
  return PatternSet(description.mid(open + 1, description.size() - open - 2)) ==
         PatternSet(patterns);
}

}  // namespace

QString QtFileFilter(const std::string& classic) {
  const QStringList parts = QString::fromStdString(classic).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters.push_back(ShowsPatterns(parts[i], patterns) ? parts[i]
                                                        : parts[i] + " (" + patterns + ")");
  }
  return filters.join(";;");
}

QtServices::QtServices() : printer_(std::make_unique<QPrinter>()) {}

QtServices::~QtServices() { delete help_; }

void QtServices::BeforeModal() {
  if (beforeModal) beforeModal();
}

int QtServices::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  BeforeModal();
  QMessageBox box(IconOf(buttons), ToQtText(title.empty() ? services::kAppTitle : title),
                  ToQtText(prompt), QMessageBox::NoButton, QApplication::activeWindow());
  switch (buttons & 0x7) {
    case services::vbOKCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case services::vbYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
  }
  box.exec();
  // The clicked button, not exec's result: Escape and the close box click the escape button.
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Cancel:
      return services::vbCancel;
    case QMessageBox::Yes:
      return services::vbYes;
    case QMessageBox::No:
      return services::vbNo;
    default:
      return services::vbOK;
  }
}

std::optional<std::string> QtServices::FileDialog(const services::FileDialogRequest& request) {
  BeforeModal();
  QFileDialog dialog(QApplication::activeWindow(), QString(),
                     QString::fromStdString(request.initDir), QtFileFilter(request.filter));
  // Saving asks before overwriting (Qt's default); opening may insist on an existing file.
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!request.save && request.fileMustExist ? QFileDialog::ExistingFile
                                                            : QFileDialog::AnyFile);
  if (request.save) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return FromQt(dialog.selectedFiles().front());
}

bool QtServices::ShowPrinter() {
  BeforeModal();
  QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

// The title names the print job; the page holds the text alone.
void QtServices::PrintText(const std::string& title, const std::string& text) {
  QTextDocument doc;
  doc.setPlainText(ToQtText(text));
  printer_->setDocName(ToQtText(title));
  doc.print(printer_.get());
}

int QtServices::PopupMenu(const std::vector<std::string>& captions) {
  BeforeModal();
  QMenu menu(QApplication::activeWindow());
  std::vector<QAction*> actions;
  for (const std::string& caption : captions) {
    actions.push_back(caption == "-" ? menu.addSeparator() : menu.addAction(ToQtText(caption)));
  }
  QAction* chosen = menu.exec(QCursor::pos());
  const auto it = std::find(actions.begin(), actions.end(), chosen);
  return chosen == nullptr || it == actions.end() ? -1 : static_cast<int>(it - actions.begin());
}

void QtServices::ShowHelp(const std::string& startPage) {
  if (!help_) {
    help_ = new QTextBrowser();
    help_->setOpenExternalLinks(true);
    help_->resize(760, 560);
  }
  const QString path = QFileInfo(QString::fromStdString(startPage)).absoluteFilePath();
  help_->setSource(QUrl::fromLocalFile(path));
  help_->setWindowTitle(help_->documentTitle().isEmpty() ? QString(services::kAppTitle)
                                                         : help_->documentTitle());
  help_->show();
  help_->raise();
  help_->activateWindow();
}

services::Clock QtServices::Now() {
  const QTime now = QTime::currentTime();
  return services::Clock{now.hour(), now.minute()};
}

}  // namespace rd::gui
