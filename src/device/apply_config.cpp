#include "device/apply_config.h"

#include <array>
#include <optional>

#include "device/device_state.h"
#include "platform/services/services.h"

namespace rd {

namespace {

constexpr const char* kAddressRowsQuery =
    " select * from routervariables where Config_Variable = 'serial0_ip_address' or "
    "Config_Variable = 'serial0_dec_mask' or Config_Variable = 'ethernet0_ip_address' or "
    "Config_Variable = 'ethernet0_dec_mask' ";

// How a command text fills the names of its node.
enum class WriteKind { Shutdown, NoShutdown, Enable, Disable, Placeholders };

WriteKind KindOf(const std::string& cmdText) {
  struct Keyword {
    const char* text;
    WriteKind kind;
  };
  static constexpr std::array<Keyword, 9> kKeywords{{
      {"shutdown", WriteKind::Shutdown},
      {"no shutdown", WriteKind::NoShutdown},
      {"ip domain-lookup", WriteKind::Enable},
      {"cdp enable", WriteKind::Enable},
      {"ip routing", WriteKind::Enable},
      {"ipx routing", WriteKind::Enable},
      {"no ip routing", WriteKind::Disable},
      {"no cdp enable", WriteKind::Disable},
      {"no ip domain-lookup", WriteKind::Disable},
  }};
  for (const Keyword& k : kKeywords) {
    if (EqualsNoCase(cmdText, k.text)) return k.kind;
  }
  return WriteKind::Placeholders;
}

bool IsShutdownRow(const std::string& name) {
  return name == "ethernet0_shutdown" || name == "serial0_shutdown";
}

// True when an interface of some device (the current one included) already holds `address`.
// Only addresses are compared: a mask may be shared by any number of interfaces.
bool AddressInUse(db::Connection& conn, const std::string& address) {
  const VariableRows rows = ReadVariableRows(conn, kAddressRowsQuery);
  for (const VariableRows::Row& row : rows.rows) {
    if (!EqualsNoCase(row.key, "ethernet0_ip_address") &&
        !EqualsNoCase(row.key, "serial0_ip_address")) {
      continue;
    }
    for (int col : rows.WorkingColumns()) {
      if (row.cells[col] == address) return true;
    }
  }
  return false;
}

// The first of `keys` that has no row or no cell in device column `column`.
std::optional<std::string> FirstMissingVariable(db::Connection& conn,
                                                const std::vector<std::string>& keys,
                                                const std::string& column) {
  for (const std::string& key : keys) {
    if (!ReadDeviceVariable(conn, key, column)) return key;
  }
  return std::nullopt;
}

// Frees the session number `id`: the first device cell (saved or working) of row `key` that
// holds it becomes "nill".
void FreeCell(db::Connection& conn, const std::string& key, const std::string& id) {
  db::Recordset rs;
  rs.CursorType = db::adOpenKeyset;
  rs.LockType = db::adLockOptimistic;
  rs.Open(VariableQueryText(key), conn, db::adOpenDynamic);
  if (rs.EOF_()) return;
  for (int pos = 1; pos < rs.FieldCount(); ++pos) {
    if (rs.Field(pos).Text() == id) {
      rs.SetField(pos, "nill");
      rs.Update();
      return;
    }
  }
}

void Write(App& app, db::Connection& conn, const std::string& key, const std::string& value) {
  StoreDeviceVariable(conn, key, app.g.gDeviceColumn, value);
}

void WriteKeyword(App& app, db::Connection& conn, const std::vector<std::string>& names,
                  WriteKind kind) {
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    const bool shutdownRow = IsShutdownRow(*it);
    switch (kind) {
      case WriteKind::Shutdown:
        Write(app, conn, *it, shutdownRow ? "shutdown" : "down");
        break;
      case WriteKind::NoShutdown:
        Write(app, conn, *it, shutdownRow ? "nill" : "up");
        break;
      case WriteKind::Enable:
        Write(app, conn, *it, "enable");
        break;
      case WriteKind::Disable:
        Write(app, conn, *it, "disable");
        break;
      case WriteKind::Placeholders:
        break;
    }
  }
}

// Names take the placeholder slots 0, 1, 2, ... in order; an empty slot skips its name.
void WritePlaceholders(App& app, db::Connection& conn, const std::vector<std::string>& names) {
  size_t slot = 0;
  for (const std::string& name : names) {
    if (slot >= app.g.gPlaceholderValues.size()) break;
    const std::string& value = app.g.gPlaceholderValues[slot];
    if (value.empty()) continue;
    Write(app, conn, name, value);
    ++slot;
  }
}

}  // namespace

ConfigResult ApplyConfigCommand(App& app, std::vector<std::string>& names,
                                const std::string& cmdText) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  const std::vector<std::string> lineWords = SplitAtBlanks(app.g.gCommandLine);
  const std::vector<std::string> cmdWords = SplitAtBlanks(cmdText);

  if (app.g.gCurrentInterface != "nill") {
    for (std::string& name : names) name = app.g.gCurrentInterface + "_" + name;
  }

  if (cmdWords.size() >= 2 && cmdWords[0] == "ip" && cmdWords[1] == "address" &&
      lineWords.size() > 2 && AddressInUse(conn, lineWords[2])) {
    app.g.gResponse = "This address is already assigned.Please choose another Address";
    return ConfigResult::AddressInUse;
  }

  const bool hostname = EqualsNoCase(cmdText, "hostname");
  std::vector<std::string> needed = names;
  if (hostname) needed.emplace_back("hostname");
  if (const auto missing = FirstMissingVariable(conn, needed, app.g.gDeviceColumn)) {
    app.ui.MsgBox("Configuration variable not found: " + *missing, services::vbExclamation);
    return ConfigResult::MissingVariable;
  }

  if (EqualsNoCase(cmdText, "disconnect") && lineWords.size() > 1) {
    for (auto it = names.rbegin(); it != names.rend(); ++it) FreeCell(conn, *it, lineWords[1]);
  }

  const WriteKind kind = KindOf(cmdText);
  if (kind == WriteKind::Placeholders) {
    WritePlaceholders(app, conn, names);
  } else {
    WriteKeyword(app, conn, names, kind);
  }

  if (hostname) {
    app.g.gHostName = RequireDeviceVariable(conn, "hostname", app.g.gDeviceColumn);
  }
  return ConfigResult::Applied;
}

}  // namespace rd
