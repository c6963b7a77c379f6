#include "device/telnet.h"

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

}  // namespace

TelnetResult TelnetToHost(db::Connection& conn, const DeviceRef& origin, int16_t lastSessionNumber,
                          const std::string& target) {
  const Reachability reach = CheckReachability(conn, origin.hostName, target);
  if (!reach.reachable) return {UnreachableText(target), std::nullopt, "", std::nullopt};

  const VariableRows vty = ReadVariableRows(conn, kVtyQuery);
  const int col = vty.FindColumn(reach.column);
  TelnetResult result;
  result.target = DeviceRef{vty.Require("hostname").cells.at(col), reach.column};
  result.vtyPassword = vty.Require("linevty_pass").cells.at(col);
  db::Recordset session;
  session.CursorType = db::adOpenKeyset;
  session.LockType = db::adLockOptimistic;
  session.Open(VariableQueryText(kSessionKey), conn, db::adOpenDynamic);
  if (session.EOF_()) throw MissingRow(kSessionKey);
  const int sessionField = FindDeviceField(session, reach.column);

  result.response = "Trying " + origin.hostName + "...Open\r\n\r\nUser Access Verification\r\n";
  // A device keeps its session number until "disconnect" frees it; otherwise it gets the next.
  if (session.Field(sessionField).Text() == "nill") {
    result.sessionNumber = static_cast<int16_t>(lastSessionNumber + 1);
    session.SetField(sessionField, std::to_string(*result.sessionNumber));
    session.Update();
  }
  return result;
}

std::optional<DeviceRef> ResumeTelnetSession(db::Connection& conn, const std::string& session) {
  const VariableRows table = ReadVariableRows(conn, kResumeQuery);
  for (const auto& row : table.rows) {
    for (int col : table.WorkingColumns()) {
      if (row.cells[col] != session) continue;
      return DeviceRef{table.Require("hostname").cells[col], table.columns[col]};
    }
  }
  return std::nullopt;
}

}  // namespace rd
