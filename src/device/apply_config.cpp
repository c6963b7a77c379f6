#include "device/apply_config.h"

#include <array>
#include <string_view>

#include "device/device_state.h"
#include "platform/services/services.h"

namespace rd {

namespace {

constexpr std::string_view kAddressSuffix = "_ip_address";

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

bool IsInterfaceAddressRow(const std::string& key) {
  if (key.size() <= kAddressSuffix.size()) return false;
  return EqualsNoCase(key.substr(key.size() - kAddressSuffix.size()), std::string(kAddressSuffix));
}

// True when some interface of some device (the current one included) already holds `address`.
// Only addresses are compared: a mask may be shared by any number of interfaces.
bool AddressInUse(db::Connection& conn, const std::string& address) {
  const VariableRows table = ReadVariableRows(conn, {});
  for (const VariableRows::Row& row : table.rows) {
    if (!IsInterfaceAddressRow(row.key)) continue;
    for (int col : table.WorkingColumns()) {
      if (row.cells[col] == address) return true;
    }
  }
  return false;
}

// The first name that has no row, or nothing when all rows exist.
std::optional<std::string> FirstMissingRow(db::Connection& conn,
                                           const std::vector<std::string>& names) {
  if (names.empty()) return std::nullopt;
  const VariableRows rows = ReadVariableRows(conn, names);
  for (const std::string& name : names) {
    if (rows.Find(name) == nullptr) return name;
  }
  return std::nullopt;
}

// Frees the session number `id`: the first device cell (saved or working) of row `key` that
// holds it becomes "nill".
void FreeCell(db::Connection& conn, const std::string& key, const std::string& id) {
  db::Recordset rs;
  rs.CursorType = db::adOpenKeyset;
  rs.LockType = db::adLockOptimistic;
  rs.Open("SELECT * from routervariables where Config_Variable = " + SqlQuoted(key) + " ", conn,
          db::adOpenDynamic);
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

  if (const auto missing = FirstMissingRow(conn, names)) {
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

  if (EqualsNoCase(cmdText, "hostname")) {
    app.g.gHostName = RequireDeviceVariable(conn, "hostname", app.g.gDeviceColumn);
  }
  return ConfigResult::Applied;
}

}  // namespace rd
