#include "device/telnet.h"

#include "device/device_state.h"
#include "device/reachability.h"
#include "device/unreachable.h"

namespace rd {

namespace {

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

// A device keeps its session number until "disconnect" frees it; otherwise it gets the next.
void GiveSessionNumber(App& app, db::Connection& conn) {
  if (RequireDeviceVariable(conn, kSessionKey, app.g.gDeviceColumn) != "nill") return;
  ++app.g.gTelnetSessionCount;
  StoreDeviceVariable(conn, kSessionKey, app.g.gDeviceColumn,
                      std::to_string(app.g.gTelnetSessionCount));
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
  g.gResponse = "Trying " + g.gHostName + "...Open\r\n\r\nUser Access Verification\r\n";
  g.gSavedHostName = g.gHostName;
  g.gSavedDeviceColumn = g.gDeviceColumn;

  db::Connection conn;
  conn.Open(ConnectionString(g));
  g.gDeviceColumn = reach.column;
  g.gHostName = RequireDeviceVariable(conn, "hostname", reach.column);
  ArmVtyLogin(g, RequireDeviceVariable(conn, "linevty_pass", reach.column));
  GiveSessionNumber(app, conn);
}

void ResumeTelnetSession(App& app) {
  Module1& g = app.g;
  const std::string session = WordAt(SplitAtBlanks(g.gCommandLine), 1);
  db::Connection conn;
  conn.Open(ConnectionString(g));
  const VariableRows table = ReadVariableRows(conn, {kSessionKey, "hostname"});
  const auto* hosts = table.Find("hostname");
  for (const auto& row : table.rows) {
    for (int col : table.WorkingColumns()) {
      if (row.cells[col] != session) continue;
      g.gDeviceColumn = table.columns[col];
      g.gHostName = hosts != nullptr ? hosts->cells[col] : std::string();
      g.gResponse = "nill";
      g.gPrompt = ">";
      return;
    }
  }
}

}  // namespace rd
