// Services the windows call that need the desktop: modal message boxes, file and print
// dialogs, the help viewer, the printer and the clock. The Qt front end implements them with
// real dialogs; ScriptedServices answers from a queue for tests and the headless driver.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rd::services {

// Buttons and answers of a message box.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

inline constexpr const char* kAppTitle = "Quillworks";

struct FileDialogRequest {
  bool save = false;           // save dialog (asks before overwriting) or open dialog
  std::string filter;          // "rconfig(*.rcon)|*.rcon"
  std::string initDir;         // folder shown first
  std::string fileName;        // suggested name
  bool fileMustExist = false;  // open: only an existing file is taken
  std::string defaultExt;      // save: added (after a ".") to a name typed without extension
};

// path with ".ext" added when its file name has no extension and ext is not empty, as a save
// dialog completes a typed name.
std::string WithDefaultExtension(const std::string& path, const std::string& ext);

struct Clock {
  int hour = 0;
  int minute = 0;
};

class Services {
 public:
  virtual ~Services() = default;
  // Shows a modal message box and returns the answer (vbOK, vbCancel, vbYes, vbNo).
  virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
  // Shows a file dialog; nothing when cancelled.
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
  // Shows the print dialog; false when cancelled.
  virtual bool ShowPrinter() = 0;
  // Prints `text` on the printer chosen in the print dialog, as a job named `title`.
  virtual void PrintText(const std::string& title, const std::string& text) = 0;
  // Shows a context menu of `captions` ("-" is a separator line) at the pointer; returns the
  // index of the chosen caption, or -1 when the menu closed without a choice.
  virtual int PopupMenu(const std::vector<std::string>& captions) = 0;
  // Opens the help at its start page (an HTML file).
  virtual void ShowHelp(const std::string& startPage) = 0;
  // Hour and minute of the current time.
  virtual Clock Now() = 0;
};

// Answers from queues; records what was shown and printed. Message boxes and the print dialog
// take their answers from one queue, in the order they appear. With no queued answer a message
// box gets OK (No to a Yes/No question, also with Cancel), the print dialog OK (a queued vbCancel
// cancels it), and a file dialog is cancelled. A save dialog's answer gets the
// request's default extension, as the real dialog adds it.
class ScriptedServices : public Services {
 public:
  struct Shown {
    std::string kind;  // "MSGBOX", "FILE", "PRINTER" (the print dialog), "POPUP", "HELP"
    std::string title;
    std::string text;
  };
  std::deque<int> answers;
  std::deque<std::optional<std::string>> fileAnswers;
  Clock clock{10, 0};
  std::vector<Shown> shown;
  struct Printed {
    std::string title;
    std::string text;
  };
  std::vector<Printed> printed;
  // Called whenever something is shown (the driver prints it at once).
  std::function<void(const Shown&)> onShown;
  // Called for every print job.
  std::function<void(const Printed&)> onPrinted;

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  bool ShowPrinter() override;
  void PrintText(const std::string& title, const std::string& text) override;
  // Records the captions, separated by " | "; nothing is chosen.
  int PopupMenu(const std::vector<std::string>& captions) override;
  void ShowHelp(const std::string& startPage) override;
  Clock Now() override { return clock; }

 private:
  void Record(Shown s);
};

}  // namespace rd::services
