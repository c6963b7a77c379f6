// Scripted services: answers from queues, a record of everything shown.
#include "platform/services/services.h"

namespace rd::services {
namespace {

constexpr int kButtonsMask = 7;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbRetryCancel = 5;
constexpr int vbAbort = 3;

// The answer of a box that nobody answered: OK where the box has it, No to a Yes/No question,
// and the cautious button of the boxes with neither.
int DefaultAnswer(int buttons) {
  switch (buttons & kButtonsMask) {
    case vbYesNo:
    case vbYesNoCancel:
      return vbNo;
    case vbRetryCancel:
      return vbCancel;
    case vbAbortRetryIgnore:
      return vbAbort;
    default:
      return vbOK;
  }
}

}  // namespace

std::string WithDefaultExtension(const std::string& path, const std::string& ext) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (ext.empty() || name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + ext;
}

void ScriptedServices::Record(Shown s) {
  shown.push_back(s);
  if (onShown) onShown(shown.back());
}

int ScriptedServices::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  Record(Shown{"MSGBOX", title.empty() ? kAppTitle : title, prompt});
  if (answers.empty()) return DefaultAnswer(buttons);
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedServices::FileDialog(const FileDialogRequest& request) {
  Record(Shown{"FILE", request.save ? "Save" : "Open", request.filter});
  if (fileAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = fileAnswers.front();
  fileAnswers.pop_front();
  if (answer && request.save) answer = WithDefaultExtension(*answer, request.defaultExt);
  return answer;
}

bool ScriptedServices::ShowPrinter() {
  Record(Shown{"PRINTER", "Print", ""});
  if (answers.empty()) return true;
  const int answer = answers.front();
  answers.pop_front();
  return answer != vbCancel;
}

void ScriptedServices::PrintText(const std::string& title, const std::string& text) {
  printed.push_back(Printed{title, text});
  if (onPrinted) onPrinted(printed.back());
}

int ScriptedServices::PopupMenu(const std::vector<std::string>& captions) {
  std::string items;
  for (const std::string& caption : captions) items += (items.empty() ? "" : " | ") + caption;
  Record(Shown{"POPUP", "", items});
  return -1;
}

void ScriptedServices::ShowHelp(const std::string& startPage) {
  Record(Shown{"HELP", "", startPage});
}

}  // namespace rd::services
