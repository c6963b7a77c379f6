// The desktop services with real Qt dialogs: message boxes, file dialogs, the print dialog and
// printer, the help viewer and the clock.
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/services/services.h"

class QPrinter;

namespace rd::gui {

// A file-dialog filter in the classic "description|pattern|description|pattern" form as Qt's
// "description (pattern);;..." ("a;b" patterns become "a b"); a description that already ends
// with its patterns in brackets ("rconfig(*.rcon)") is taken as it stands.
QString QtFileFilter(const std::string& classic);

class QtServices : public services::Services {
 public:
  QtServices();
  ~QtServices() override;

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::optional<std::string> FileDialog(const services::FileDialogRequest& request) override;
  bool ShowPrinter() override;
  void PrintText(const std::string& title, const std::string& text) override;
  int PopupMenu(const std::vector<std::string>& captions) override;
  void ShowHelp(const std::string& startPage) override;
  services::Clock Now() override;

  // Runs before every modal dialog; the binder redraws the windows there.
  std::function<void()> beforeModal;

 private:
  void BeforeModal();

  std::unique_ptr<QPrinter> printer_;
  QPointer<QTextBrowser> help_;
};

}  // namespace rd::gui
