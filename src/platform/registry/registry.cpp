#include "platform/registry/registry.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/registry/store.h"
#include "platform/text/ascii.h"

namespace rd::registry {

// The changes of an open Batch, written when it ends.
struct PendingBatch {
  std::string file;
  store::Store store;
  bool changed = false;
};

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

// The store as last read, kept until the file at its path changes (every save replaces the
// file, so a change shows in its inode, size or modification time).
struct CachedStore {
  std::string file;
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  store::Store store;
};

const store::Store& ReadStore(const std::string& file) {
  static CachedStore cache;
  struct stat st {};
  const bool exists = stat(file.c_str(), &st) == 0;
  const bool same =
      cache.file == file && cache.exists == exists &&
      (!exists || (cache.device == st.st_dev && cache.inode == st.st_ino &&
                   cache.size == st.st_size && cache.modified.tv_sec == st.st_mtim.tv_sec &&
                   cache.modified.tv_nsec == st.st_mtim.tv_nsec));
  if (!same) {
    cache =
        CachedStore{file, exists, st.st_dev, st.st_ino, st.st_size, st.st_mtim, store::Load(file)};
  }
  return cache.store;
}

PendingBatch*& ActiveBatch() {
  static PendingBatch* batch = nullptr;
  return batch;
}

// The store a change applies to: the open batch's, or a fresh copy of the file's.
store::Store& StoreToChange(const std::string& file, store::Store& scratch) {
  if (PendingBatch* batch = ActiveBatch(); batch != nullptr && batch->file == file) {
    batch->changed = true;
    return batch->store;
  }
  scratch = ReadStore(file);
  return scratch;
}

// Writes a changed store unless an open batch will write it.
bool Keep(const store::Store& st, const std::string& file) {
  if (ActiveBatch() != nullptr && &ActiveBatch()->store == &st) return true;
  return store::Save(st, file);
}

}  // namespace

Batch::Batch() : pending_(std::make_unique<PendingBatch>()) {
  if (ActiveBatch() != nullptr) return;  // nested: the outer batch writes
  pending_->file = StoreFile();
  pending_->store = ReadStore(pending_->file);
  ActiveBatch() = pending_.get();
}

Batch::~Batch() { Commit(); }

bool Batch::Commit() {
  if (ActiveBatch() != pending_.get()) return true;
  ActiveBatch() = nullptr;
  return !pending_->changed || store::Save(pending_->store, pending_->file);
}

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
    const std::string file = StoreFile();
    store::Store scratch;
    store::Store& st = StoreToChange(file, scratch);
    bool created = false;
    st.Ensure(path, &created);
    if (created && !Keep(st, file)) return ERROR_WRITE_FAULT;
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
  const std::string file = StoreFile();
  store::Store scratch;
  store::Store& st = StoreToChange(file, scratch);
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
  return Keep(st, file) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

long RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  return Handles().erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::optional<std::vector<StoredValue>> ReadKey(const std::string& keyPath) {
  const std::string file = StoreFile();
  const store::Store& st = ActiveBatch() != nullptr && ActiveBatch()->file == file
                               ? ActiveBatch()->store
                               : ReadStore(file);
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
