#include "platform/registry/registry.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/registry/store.h"
#include "platform/text/ascii.h"

namespace rd::registry {
namespace {

// Open handles and the key path each stands for; HKEY_CURRENT_USER is the root, path "".
std::map<HKEY, std::string>& Handles() {
  static std::map<HKEY, std::string> handles;
  return handles;
}

const std::string* HandlePath(HKEY key) {
  static const std::string root;
  if (key == HKEY_CURRENT_USER) return &root;
  auto it = Handles().find(key);
  return it == Handles().end() ? nullptr : &it->second;
}

std::string StoreFile() { return (std::filesystem::path(ConfigDir()) / "registry.txt").string(); }

}  // namespace

std::string ConfigDir() {
  std::filesystem::path dir;
  if (const char* over = std::getenv("ROUTEDRILL_CONFIG_DIR"); over && *over) {
    dir = over;
  } else if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    dir = std::filesystem::path(xdg) / "routedrill";
  } else {
    const char* home = std::getenv("HOME");
    dir = std::filesystem::path(home && *home ? home : ".") / ".config" / "routedrill";
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return dir.string();
}

long RegCreateKeyA(HKEY parent, const std::string& subKey, HKEY* result) {
  const std::string* parentPath = HandlePath(parent);
  if (parentPath == nullptr || result == nullptr) return ERROR_INVALID_HANDLE;
  std::string path = store::NormalizePath(*parentPath + "\\" + subKey);
  if (!path.empty()) {
    std::string file = StoreFile();
    store::Store st = store::Load(file);
    bool created = false;
    st.Ensure(path, &created);
    if (created && !store::Save(st, file)) return ERROR_WRITE_FAULT;
  }
  static HKEY next = 1;
  *result = next++;
  Handles()[*result] = path;
  return ERROR_SUCCESS;
}

long RegSetValueExA(HKEY key, const std::string& valueName, uint32_t /*reserved*/, uint32_t type,
                    const uint8_t* data, uint32_t cbData) {
  const std::string* path = HandlePath(key);
  if (path == nullptr) return ERROR_INVALID_HANDLE;
  if (data == nullptr && cbData != 0) return ERROR_INVALID_PARAMETER;
  std::string file = StoreFile();
  store::Store st = store::Load(file);
  bool created = false;
  store::Key& target = st.Ensure(*path, &created);
  std::vector<uint8_t> bytes(data, data + cbData);
  auto it = std::find_if(target.values.begin(), target.values.end(), [&](const StoredValue& v) {
    return ascii::EqualNoCase(v.name, valueName);
  });
  if (it == target.values.end()) {
    target.values.push_back(StoredValue{valueName, type, std::move(bytes)});
  } else {
    it->type = type;
    it->data = std::move(bytes);
  }
  return store::Save(st, file) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

long RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  return Handles().erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::optional<std::vector<StoredValue>> ReadKey(const std::string& keyPath) {
  store::Store st = store::Load(StoreFile());
  const store::Key* key = st.Find(keyPath);
  if (key == nullptr) return std::nullopt;
  return key->values;
}

std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) {
  auto values = ReadKey(keyPath);
  if (!values) return std::nullopt;
  for (const StoredValue& value : *values) {
    if (value.type == REG_SZ && ascii::EqualNoCase(value.name, name)) {
      std::string text(value.data.begin(), value.data.end());
      if (!text.empty() && text.back() == '\0') text.pop_back();  // a counted terminator
      return text;
    }
  }
  return std::nullopt;
}

}  // namespace rd::registry
