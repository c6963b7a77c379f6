#include "authoring/dialogs.h"

#include "platform/db/db.h"

namespace rd {

bool Confirm(App& app, const std::string& question) {
  return app.ui.MsgBox(question, services::vbYesNo, "confirm file deletion") == services::vbYes;
}

bool TryWrite(App& app, const std::string& notDone, const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const db::DbError& e) {
    app.ui.MsgBox(notDone + forms::CRLF + e.what(), services::vbExclamation);
    return false;
  }
}

}  // namespace rd
