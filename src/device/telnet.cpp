#include "device/telnet.h"

#include "device/device_state.h"
#include "device/reachability.h"
#include "device/unreachable.h"

namespace rd {

namespace {

constexpr const char* kVtyQuery =
    " select * from routervariables where Config_Variable = 'hostname' or "
    "Config_Variable = 'linevty_pass' ";
constexpr const char* kResumeQuery =
    " select * from routervariables where Config_Variable = 'telnetsession_id' or "
    "Config_Variable = 'hostname' ";
constexpr const char* kSessionKey = "telnetsession_id";

// Arms the terminal's "password:" entry for the target's vty password, when it has one.
void ArmVtyLogin(Module1& g, const std::string& password) {
  g.gVtyPassword = password;
  if (password == "nill") return;
  g.gPasswordLength = static_cast<int16_t>(password.size());
  g.gPasswordPrompt = "password:";
  g.gPasswordMode = true;
  g.gPwdChars.assign(static_cast<size_t>(g.gPasswordLength) + 1, std::string());
  g.gTelnetLoginPending = true;
}

}  // namespace

void TelnetToHost(App& app) {
  Module1& g = app.g;
  const std::string target = WordAt(SplitAtBlanks(g.gCommandLine), 1);
  const Reachability reach = CheckReachability(app, target);
  if (!reach.reachable) {
    g.gResponse = UnreachableText(target);
    g.gPrompt = "#";
    return;
  }

  // Everything the switch needs is read before the console changes, so that a row missing
  // from the table leaves the console where it was.
  db::Connection conn;
  conn.Open(ConnectionString(g));
  const VariableRows vty = ReadVariableRows(conn, kVtyQuery);
  const int col = vty.FindColumn(reach.column);
  const std::string targetHost = vty.Require("hostname").cells.at(col);
  const std::string vtyPassword = vty.Require("linevty_pass").cells.at(col);
  db::Recordset session;
  session.CursorType = db::adOpenKeyset;
  session.LockType = db::adLockOptimistic;
  session.Open(VariableQueryText(kSessionKey), conn, db::adOpenDynamic);
  if (session.EOF_()) throw db::DbError(std::string("routervariables has no row ") + kSessionKey);
  const int sessionField = FindDeviceField(session, reach.column);

  g.gResponse = "Trying " + g.gHostName + "...Open\r\n\r\nUser Access Verification\r\n";
  g.gSavedHostName = g.gHostName;
  g.gSavedDeviceColumn = g.gDeviceColumn;
  g.gDeviceColumn = reach.column;
  g.gHostName = targetHost;
  ArmVtyLogin(g, vtyPassword);

  // A device keeps its session number until "disconnect" frees it; otherwise it gets the next.
  if (session.Field(sessionField).Text() != "nill") return;
  ++g.gTelnetSessionCount;
  session.SetField(sessionField, std::to_string(g.gTelnetSessionCount));
  session.Update();
}

void ResumeTelnetSession(App& app) {
  Module1& g = app.g;
  const std::string session = WordAt(SplitAtBlanks(g.gCommandLine), 1);
  db::Connection conn;
  conn.Open(ConnectionString(g));
  const VariableRows table = ReadVariableRows(conn, kResumeQuery);
  for (const auto& row : table.rows) {
    for (int col : table.WorkingColumns()) {
      if (row.cells[col] != session) continue;
      const std::string host = table.Require("hostname").cells[col];
      g.gDeviceColumn = table.columns[col];
      g.gHostName = host;
      g.gResponse = "nill";
      g.gPrompt = ">";
      return;
    }
  }
}

}  // namespace rd
