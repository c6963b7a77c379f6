// File, "&Save Configuaration" and "&Open Config File": the working column of every device to
// and from a ".rcon" file. The reader matches by position only: the k-th block fills the k-th
// device, and each value line the row at which the cursor stands.
#include <fstream>

#include "platform/db/db.h"
#include "platform/services/services.h"
#include "terminal/form2.h"
#include "terminal/rcon_format.h"

namespace rd {
namespace {

constexpr const char* kDeviceTableQuery = " select * from routervariables ";

std::optional<std::string> AskFileName(App& app, bool save) {
  services::FileDialogRequest request;
  request.save = save;
  request.filter = rcon::kFilter;
  request.initDir = rcon::DialogFolder();
  request.fileMustExist = !save;
  return app.ui.svc().FileDialog(request);
}

// One line of the file without its line break; false at the end of the file.
bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

void Form2::mnusave_Click() {
  const std::optional<std::string> fileName = AskFileName(app_, true);
  if (!fileName || fileName->empty()) return;
  std::ofstream out(*fileName, std::ios::binary | std::ios::trunc);
  if (!out) {
    app_.ui.MsgBox("The file " + *fileName + " cannot be created.", services::vbExclamation);
    return;
  }
  db::Connection conn;
  db::Recordset rs;
  conn.Open(ConnectionString(g_), "", "", -1);
  rs.Open(kDeviceTableQuery, conn, db::adOpenDynamic, -1, -1);
  mFieldCount = rs.FieldCount();
  for (mColumn = 2; mColumn <= mFieldCount - 1; mColumn += 2) {
    out << "<" << rs.FieldName(mColumn) << ">\r\n";
    for (; !rs.EOF_(); rs.MoveNext()) {
      out << rs.Field(0).Text() << ":" << rcon::EscapeValue(rs.Field(mColumn).Text()) << "\r\n";
    }
    if (rs.RecordCount() > 0) rs.MoveFirst();
  }
  rs.Close();
  out.close();
  if (!out)
    app_.ui.MsgBox("The file " + *fileName + " cannot be written.", services::vbExclamation);
}

void Form2::mnuop_Click() {
  db::Connection conn;
  db::Recordset rs;
  conn.Open(ConnectionString(g_), "", "", -1);
  rs.LockType = db::adLockOptimistic;
  rs.CursorLocation = db::adUseServer;
  const std::optional<std::string> fileName = AskFileName(app_, false);
  if (!fileName || fileName->empty()) return;
  std::ifstream in(*fileName, std::ios::binary);
  std::string line;
  if (!in || !ReadLine(in, line)) {
    app_.ui.MsgBox("The file " + *fileName + " cannot be read.", services::vbExclamation);
    return;
  }
  rs.Open(kDeviceTableQuery, conn, db::adOpenDynamic, -1, -1);
  mFieldCount = rs.FieldCount();
  mColumn = 2;
  while (ReadLine(in, line)) {
    if (line.find('<') != std::string::npos) {
      mColumn += 2;
      // A header on the last line has no value line after it: nothing more to read.
      if (!ReadLine(in, line) || mColumn > mFieldCount - 1) break;
    }
    if (rs.EOF_()) rs.MoveFirst();
    rs.SetField(mColumn, rcon::UnescapeValue(rcon::ValueOfLine(line)));
    rs.Update();
    rs.MoveNext();
  }
  rs.Close();
}

}  // namespace rd
