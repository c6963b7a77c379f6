#include "device/startup_config.h"

#include <stdexcept>

#include "device/device_state.h"
#include "device/show_template.h"

namespace rd {

namespace {

constexpr const char* kRunningConfigHead = "show running-config";
constexpr const char* kStartupConfigKey = "startup-config";
constexpr const char* kErasedText = "%% Non-volatile configuration memory is not present";

void Store(App& app, db::Connection& conn, const std::string& key, const std::string& text) {
  switch (WriteDeviceVariable(conn, key, app.g.gDeviceColumn, text)) {
    case WriteOutcome::Written:
      return;
    case WriteOutcome::NoRow:
      throw db::DbError("routervariables has no row " + key);
    case WriteOutcome::NoColumn:
      throw db::DbError("routervariables has no device column " + app.g.gDeviceColumn);
  }
}

}  // namespace

void CopyRunningToStartup(App& app) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  const auto blocks = ReadTemplateBlocks(kShowTemplateFile, kRunningConfigHead);
  if (blocks.empty()) {
    throw std::runtime_error(std::string(kShowTemplateFile) + " has no block " +
                             kRunningConfigHead);
  }
  std::string text;
  for (const std::string& line : blocks.front()) {
    if (const auto filled = SubstituteLine(app, conn, line)) text += "\r\n" + *filled;
  }
  text += "\r\n";
  Store(app, conn, kStartupConfigKey, text);
}

void EraseStartupConfig(App& app, const std::string& key) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  Store(app, conn, key, kErasedText);
}

}  // namespace rd
