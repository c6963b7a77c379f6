#include "shell/register_data_source.h"

#include <cstdint>

#include "platform/registry/registry.h"

namespace rd {
namespace {

using namespace rd::registry;

void SetText(HKEY key, const std::string& name, const std::string& text) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const uint8_t*>(text.data()),
                 static_cast<uint32_t>(text.size()));
}

void SetNumber(HKEY key, const std::string& name, uint32_t number) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                            static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
  RegSetValueExA(key, name, 0, REG_DWORD, bytes, 4);
}

}  // namespace

void RegisterDataSource(const std::string& dsnName) {
  // Fourteen values, one write of the store.
  Batch batch;
  const std::string base = "SOFTWARE\\ODBC\\ODBC.INI\\";
  HKEY source = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, base + dsnName, &source);
  SetText(source, "DBQ", "commandsbackup.mdb");
  SetText(source, "Description", "<Desired Description>");
  SetText(source, "Driver", "C:\\windows\\System\\odbcjt32.dll");
  SetNumber(source, "DriverID", 25);
  SetText(source, "FIL", "MS Access");
  SetText(source, "PWD", "");
  SetNumber(source, "SafeTransactions", 0);
  SetText(source, "UID", "admin");

  HKEY jet = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, base + dsnName + "\\Engines\\Jet", &jet);
  SetText(jet, "ImplicitCommitSync", "");
  SetNumber(jet, "MaxBufferSize", 2048);
  SetNumber(jet, "PageTimeout", 5);
  SetNumber(jet, "Threads", 3);
  SetText(jet, "UserCommitSync", "Yes");
  RegCloseKey(jet);
  RegCloseKey(source);

  HKEY sources = 0;
  RegCreateKeyA(HKEY_CURRENT_USER, base + "ODBC Data Sources", &sources);
  SetText(sources, dsnName, "MIcrosoft Access Driver (*.mdb)");
  RegCloseKey(sources);
}

}  // namespace rd
