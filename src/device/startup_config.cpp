#include "device/startup_config.h"

#include <stdexcept>

#include "device/show_template.h"

namespace rd {

namespace {

constexpr const char* kRunningConfigHead = "show running-config";
constexpr const char* kStartupConfigKey = "startup-config";
constexpr const char* kErasedText = "%% Non-volatile configuration memory is not present";

}  // namespace

void CopyRunningToStartup(db::Connection& conn, const TemplateDevice& device) {
  const auto block = ReadLinesAfter(kShowTemplateFile, kRunningConfigHead);
  if (!block) {
    throw std::runtime_error(std::string(kShowTemplateFile) + " has no line " + kRunningConfigHead);
  }
  std::string text;
  for (const std::string& line : *block) {
    if (const auto filled = SubstituteLine(conn, device, line, VariableQuery::Upper)) {
      text += "\r\n" + *filled;
    }
  }
  text += "\r\n";
  StoreDeviceVariable(conn, kStartupConfigKey, device.column, text);
}

void EraseStartupConfig(db::Connection& conn, const std::string& column, const std::string& key) {
  StoreDeviceVariable(conn, key, column, kErasedText, VariableQuery::Lower);
}

}  // namespace rd
