#include "device/reachability.h"

#include "device/device_state.h"

namespace rd {

namespace {

constexpr const char* kHostNameKey = "HostName";
constexpr const char* kRoutingKey = "routing";
// The interface address rows, each with the row that says whether it is shut down.
constexpr const char* kEthernetAddress = "ethernet0_ip_address";
constexpr const char* kSerialAddress = "serial0_ip_address";

const char* ShutdownKeyOf(const std::string& addressKey) {
  return EqualsNoCase(addressKey, kEthernetAddress) ? "ethernet0_shutdown" : "serial0_shutdown";
}

class DeviceView {
 public:
  explicit DeviceView(db::Connection& conn)
      : table_(ReadVariableRows(conn, {kHostNameKey, kEthernetAddress, kSerialAddress,
                                       "ethernet0_shutdown", "serial0_shutdown", kRoutingKey})) {}

  // The first working column whose host name is `name`; -1 if none.
  int ColumnOfHost(const std::string& name) const {
    const auto* hosts = table_.Find(kHostNameKey);
    if (hosts == nullptr) return -1;
    for (int col : table_.WorkingColumns()) {
      if (hosts->cells[col] == name) return col;
    }
    return -1;
  }

  // The first interface row, in stored order, that has an address in column `col`.
  const VariableRows::Row* FirstAddressed(int col) const {
    for (const auto& row : table_.rows) {
      if (IsAddressRow(row) && row.cells[col] != "unassigned") return &row;
    }
    return nullptr;
  }

  // The first interface cell, rows in stored order then columns ascending, holding `address`.
  std::pair<const VariableRows::Row*, int> FindAddress(const std::string& address) const {
    for (const auto& row : table_.rows) {
      if (!IsAddressRow(row)) continue;
      for (int col : table_.WorkingColumns()) {
        if (row.cells[col] == address) return {&row, col};
      }
    }
    return {nullptr, -1};
  }

  // The interface is not shut down and the device routes.
  bool InterfaceUp(const VariableRows::Row& addressRow, int col) const {
    const auto* shutdown = table_.Find(ShutdownKeyOf(addressRow.key));
    const auto* routing = table_.Find(kRoutingKey);
    return shutdown != nullptr && routing != nullptr && shutdown->cells[col] == "nill" &&
           routing->cells[col] == "enable";
  }

  Reachability Reached(const VariableRows::Row& addressRow, int col) const {
    if (!InterfaceUp(addressRow, col)) return {};
    return {true, table_.columns[col], addressRow.key};
  }

 private:
  static bool IsAddressRow(const VariableRows::Row& row) {
    return EqualsNoCase(row.key, kEthernetAddress) || EqualsNoCase(row.key, kSerialAddress);
  }

  VariableRows table_;
};

}  // namespace

Reachability CheckReachability(App& app, const std::string& target) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  const DeviceView view(conn);

  const int own = view.ColumnOfHost(app.g.gHostName);
  if (own < 0) return {};
  const auto* ownInterface = view.FirstAddressed(own);
  if (ownInterface == nullptr || !view.InterfaceUp(*ownInterface, own)) return {};

  if (target.find('.') != std::string::npos) {
    const auto [row, col] = view.FindAddress(target);
    if (row == nullptr) return {};
    return view.Reached(*row, col);
  }
  const int col = view.ColumnOfHost(target);
  if (col < 0) return {};
  const auto* row = view.FirstAddressed(col);
  if (row == nullptr) return {};
  return view.Reached(*row, col);
}

}  // namespace rd
