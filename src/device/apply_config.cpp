#include "device/apply_config.h"

#include <array>

#include "device/device_state.h"
#include "platform/text/ascii.h"
#include "platform/text/words.h"

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
    if (ascii::EqualNoCase(cmdText, k.text)) return k.kind;
  }
  return WriteKind::Placeholders;
}

bool IsShutdownRow(const std::string& name) {
  return name == "ethernet0_shutdown" || name == "serial0_shutdown";
}

bool IsAddressRow(const std::string& key) {
  return ascii::EqualNoCase(key, "ethernet0_ip_address") ||
         ascii::EqualNoCase(key, "serial0_ip_address");
}

// True when an interface address cell of some device, other than the cell (ownKey, ownColumn)
// that the command is about to write, already holds `address`. Only addresses are compared: a
// mask may be shared by any number of interfaces.
bool AddressInUse(db::Connection& conn, const std::string& address, const std::string& ownKey,
                  const std::string& ownColumn) {
  const VariableRows rows = ReadVariableRows(conn, kAddressRowsQuery);
  for (const VariableRows::Row& row : rows.rows) {
    if (!IsAddressRow(row.key)) continue;
    const bool ownRow = ascii::EqualNoCase(row.key, ownKey);
    for (int col : rows.WorkingColumns()) {
      if (ownRow && ascii::EqualNoCase(rows.columns[col], ownColumn)) continue;
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

// The value each name receives from a keyword command, last name first.
void WriteKeyword(db::Connection& conn, const std::vector<std::string>& names,
                  const std::string& column, WriteKind kind) {
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    const bool shutdownRow = IsShutdownRow(*it);
    switch (kind) {
      case WriteKind::Shutdown:
        StoreDeviceVariable(conn, *it, column, shutdownRow ? "shutdown" : "down");
        break;
      case WriteKind::NoShutdown:
        StoreDeviceVariable(conn, *it, column, shutdownRow ? "nill" : "up");
        break;
      case WriteKind::Enable:
        StoreDeviceVariable(conn, *it, column, "enable");
        break;
      case WriteKind::Disable:
        StoreDeviceVariable(conn, *it, column, "disable");
        break;
      case WriteKind::Placeholders:
        break;
    }
  }
}

// Names take the placeholder slots 0, 1, 2, ... in order; an empty slot skips its name.
void WritePlaceholders(db::Connection& conn, const std::vector<std::string>& names,
                       const std::string& column, const std::vector<std::string>& values) {
  size_t slot = 0;
  for (const std::string& name : names) {
    if (slot >= values.size()) break;
    if (values[slot].empty()) continue;
    StoreDeviceVariable(conn, name, column, values[slot]);
    ++slot;
  }
}

}  // namespace

ConfigOutcome ApplyConfigCommand(db::Connection& conn, const ConfigRequest& request) {
  std::vector<std::string> names = request.names;
  if (request.currentInterface != "nill") {
    for (std::string& name : names) name = request.currentInterface + "_" + name;
  }
  const std::vector<std::string>& lineWords = request.lineWords;
  const std::string& cmdText = request.cmdText;

  const std::vector<std::string> cmdWords = text::SplitAtBlanks(cmdText);
  if (cmdWords.size() >= 2 && cmdWords[0] == "ip" && cmdWords[1] == "address" &&
      lineWords.size() > 2 &&
      AddressInUse(conn, lineWords[2], names.empty() ? "" : names[0], request.column)) {
    return {ConfigResult::AddressInUse, "", std::nullopt};
  }

  const bool hostname = ascii::EqualNoCase(cmdText, "hostname");
  std::vector<std::string> needed = names;
  if (hostname) needed.emplace_back("hostname");
  if (const auto missing = FirstMissingVariable(conn, needed, request.column)) {
    return {ConfigResult::MissingVariable, *missing, std::nullopt};
  }

  if (ascii::EqualNoCase(cmdText, "disconnect") && lineWords.size() > 1) {
    for (auto it = names.rbegin(); it != names.rend(); ++it) FreeCell(conn, *it, lineWords[1]);
  }

  const WriteKind kind = KindOf(cmdText);
  if (kind == WriteKind::Placeholders) {
    WritePlaceholders(conn, names, request.column, request.values);
  } else {
    WriteKeyword(conn, names, request.column, kind);
  }

  ConfigOutcome outcome;
  if (hostname) outcome.hostName = RequireDeviceVariable(conn, "hostname", request.column);
  return outcome;
}

}  // namespace rd
