#include "device/reachability.h"

#include "device/device_state.h"
#include "platform/text/ascii.h"

namespace rd {

namespace {

constexpr const char* kRoutingKey = "routing";
constexpr const char* kEthernetAddress = "ethernet0_ip_address";
constexpr const char* kSerialAddress = "serial0_ip_address";

constexpr const char* kDeviceAddressesQuery =
    " select * from routervariables where Config_Variable = 'ethernet0_ip_address' or "
    "Config_Variable = 'serial0_ip_address'  ";
constexpr const char* kTargetAddressesQuery =
    " select * from routervariables where Config_Variable = 'ethernet0_ip_address' or "
    "Config_Variable = 'serial0_ip_address' ";
constexpr const char* kSerialTestQuery =
    " select * from routervariables where Config_Variable = 'serial0_shutdown' or "
    "Config_Variable = 'routing' ";
constexpr const char* kEthernetTestQuery =
    " select * from routervariables where Config_Variable = 'ethernet0_shutdown' or "
    "Config_Variable = 'routing' ";

bool IsAddressRow(const VariableRows::Row& row) {
  return ascii::EqualNoCase(row.key, kEthernetAddress) ||
         ascii::EqualNoCase(row.key, kSerialAddress);
}

// Key of the first interface row, in stored order, that has an address in column `col`; empty
// when neither has.
std::string FirstAddressed(db::Connection& conn, int col) {
  for (const auto& row : ReadVariableRows(conn, kDeviceAddressesQuery).rows) {
    if (IsAddressRow(row) && row.cells[col] != "unassigned") return row.key;
  }
  return {};
}

// The interface of row `addressKey` in column `col` is not shut down and the device routes.
bool InterfaceUp(db::Connection& conn, const std::string& addressKey, int col) {
  const bool ethernet = ascii::EqualNoCase(addressKey, kEthernetAddress);
  const VariableRows rows =
      ReadVariableRows(conn, ethernet ? kEthernetTestQuery : kSerialTestQuery);
  const auto* shutdown = rows.Find(ethernet ? "ethernet0_shutdown" : "serial0_shutdown");
  const auto* routing = rows.Find(kRoutingKey);
  return shutdown != nullptr && routing != nullptr && shutdown->cells[col] == "nill" &&
         routing->cells[col] == "enable";
}

Reachability Reached(db::Connection& conn, const std::string& addressKey, const DeviceColumn& col) {
  if (!InterfaceUp(conn, addressKey, col.ordinal)) return {};
  return {true, col.name, addressKey};
}

Reachability ByAddress(db::Connection& conn, const std::string& address) {
  const VariableRows addresses = ReadVariableRows(conn, kTargetAddressesQuery);
  for (const auto& row : addresses.rows) {
    if (!IsAddressRow(row)) continue;
    for (int col : addresses.WorkingColumns()) {
      if (row.cells[col] == address) return Reached(conn, row.key, {col, addresses.columns[col]});
    }
  }
  return {};
}

Reachability ByHostName(db::Connection& conn, const std::string& name) {
  const std::optional<DeviceColumn> col = ColumnOfHost(conn, name);
  if (!col) return {};
  const std::string addressKey = FirstAddressed(conn, col->ordinal);
  if (addressKey.empty()) return {};
  return Reached(conn, addressKey, *col);
}

}  // namespace

Reachability CheckReachability(db::Connection& conn, const std::string& ownHostName,
                               const std::string& target) {
  const std::optional<DeviceColumn> ownColumn = ColumnOfHost(conn, ownHostName);
  if (!ownColumn) return {};
  const int own = ownColumn->ordinal;
  const std::string ownInterface = FirstAddressed(conn, own);
  if (ownInterface.empty() || !InterfaceUp(conn, ownInterface, own)) return {};

  if (target.find('.') != std::string::npos) return ByAddress(conn, target);
  return ByHostName(conn, target);
}

}  // namespace rd
