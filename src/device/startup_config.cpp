#include "device/startup_config.h"

#include <stdexcept>

#include "device/show_template.h"

namespace rd {

namespace {

constexpr const char* kRunningConfigHead = "show running-config";
constexpr const char* kStartupConfigKey = "startup-config";
constexpr const char* kErasedText = "%% Non-volatile configuration memory is not present";

}  // namespace

void CopyRunningToStartup(App& app) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  const auto block = ReadLinesAfter(kShowTemplateFile, kRunningConfigHead);
  if (!block) {
    throw std::runtime_error(std::string(kShowTemplateFile) + " has no line " + kRunningConfigHead);
  }
  std::string text;
  for (const std::string& line : *block) {
    if (const auto filled = SubstituteLine(app, conn, line, VariableQuery::Upper)) {
      text += "\r\n" + *filled;
    }
  }
  text += "\r\n";
  StoreDeviceVariable(conn, kStartupConfigKey, app.g.gDeviceColumn, text);
}

void EraseStartupConfig(App& app, const std::string& key) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  StoreDeviceVariable(conn, key, app.g.gDeviceColumn, kErasedText, VariableQuery::Lower);
}

}  // namespace rd
