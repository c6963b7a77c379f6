// File, "&Save Configuaration" and "&Open Config File": the file dialogs, the transfer of the
// devices' working columns (rcon_transfer.h), and the message that tells what went wrong.
#include "platform/db/db.h"
#include "platform/services/services.h"
#include "terminal/form2.h"
#include "terminal/rcon_format.h"
#include "terminal/rcon_transfer.h"

namespace rd {
namespace {

std::optional<std::string> AskFileName(App& app, bool save) {
  services::FileDialogRequest request;
  request.save = save;
  request.filter = rcon::kFilter;
  request.initDir = rcon::DialogFolder();
  request.fileMustExist = !save;
  if (save) request.defaultExt = rcon::kExtension;
  return app.ui.svc().FileDialog(request);
}

// What the user reads when a save did not happen; empty when it did.
std::string SaveMessage(rcon::SaveResult result, const std::string& fileName) {
  switch (result) {
    case rcon::SaveResult::kSaved:
      return "";
    case rcon::SaveResult::kTargetIsDatabase:
      return "The file " + fileName +
             " is the program's database. The configuration was not saved; choose another file.";
    case rcon::SaveResult::kTargetReadOnly:
      return "The file " + fileName + " is read-only. The configuration was not saved.";
    case rcon::SaveResult::kCannotCreate:
      return "The file " + fileName + " cannot be created.";
    case rcon::SaveResult::kCannotWrite:
      return "The file " + fileName + " cannot be written. It was left as it was.";
    case rcon::SaveResult::kCannotReplace:
      return "The file " + fileName + " cannot be replaced. It was left as it was.";
  }
  return "";
}

// What the user reads when a file was not loaded; empty when it was.
std::string LoadMessage(rcon::LoadResult result, const std::string& fileName) {
  switch (result) {
    case rcon::LoadResult::kLoaded:
      return "";
    case rcon::LoadResult::kCannotRead:
      return "The file " + fileName + " cannot be read.";
    case rcon::LoadResult::kNotText:
      return "The file " + fileName +
             " is not a configuration file: it is not text. Nothing was loaded.";
    case rcon::LoadResult::kNoDeviceHeader:
      return "The file " + fileName +
             " is not a configuration file: its first line is not a device name such as <R1>. "
             "Nothing was loaded.";
  }
  return "";
}

}  // namespace

void Form2::mnusave_Click() {
  const std::optional<std::string> fileName = AskFileName(app_, true);
  if (!fileName || fileName->empty()) return;
  db::Connection conn;
  conn.Open(ConnectionString(g_), "", "", -1);
  const std::string message = SaveMessage(rcon::SaveConfigFile(conn, *fileName), *fileName);
  if (!message.empty()) app_.ui.MsgBox(message, services::vbExclamation);
}

void Form2::mnuop_Click() {
  db::Connection conn;
  conn.Open(ConnectionString(g_), "", "", -1);
  const std::optional<std::string> fileName = AskFileName(app_, false);
  if (!fileName || fileName->empty()) return;
  const std::string message = LoadMessage(rcon::LoadConfigFile(conn, *fileName), *fileName);
  if (!message.empty()) app_.ui.MsgBox(message, services::vbExclamation);
}

}  // namespace rd
