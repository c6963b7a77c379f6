// Per-user key/value store standing in for the current user's registry hive.
// The store is one file, registry.txt, in the configuration folder: $ROUTEDRILL_CONFIG_DIR if
// set, else $XDG_CONFIG_HOME/routedrill, else ~/.config/routedrill. Every SetValue is written
// through to the file at once (atomically: write a temporary file, then rename), unless a
// Batch is open. Reads use the file as last parsed until the file changes, and a changed
// configuration folder takes effect at the next call.
// Key paths are backslash-separated; key and value names compare without regard to ASCII case
// and keep the spelling of their first write. Creating a key creates its missing parents.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rd::registry {

using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_DWORD = 4;
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_WRITE_FAULT = 29;
inline constexpr long ERROR_INVALID_PARAMETER = 87;

// Creates (or opens) subKey below parent ("A\B\C", backslash-separated); result is an open handle.
// Returns ERROR_INVALID_HANDLE for an unknown parent, ERROR_WRITE_FAULT when the store can't be
// written.
long RegCreateKeyA(HKEY parent, const std::string& subKey, HKEY* result);
// Stores a value of the given type with exactly cbData bytes of data (REG_SZ: the characters
// without a terminating NUL; REG_DWORD: 4 bytes, little-endian). Rewriting a value keeps its place
// in the key's order. Returns ERROR_INVALID_PARAMETER when data is null but cbData is not 0.
long RegSetValueExA(HKEY key, const std::string& valueName, uint32_t reserved, uint32_t type,
                    const uint8_t* data, uint32_t cbData);
long RegCloseKey(HKEY key);

struct PendingBatch;

// While a Batch lives, the changes of RegCreateKeyA and RegSetValueExA are kept in memory and
// written to the store in one atomic write when it ends (or at Commit, which says whether the
// write succeeded). Batches do not nest: an inner one leaves the writing to the outer.
class Batch {
 public:
  Batch();
  ~Batch();
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;
  bool Commit();

 private:
  std::unique_ptr<PendingBatch> pending_;
};

struct StoredValue {
  std::string name;
  uint32_t type = 0;
  std::vector<uint8_t> data;  // exactly the bytes written; size() is the data length
};

// Reading side (the data-source lookup and tests): the values of a key in the order they were
// first written, or nothing when the key does not exist. keyPath is relative to HKEY_CURRENT_USER.
std::optional<std::vector<StoredValue>> ReadKey(const std::string& keyPath);
// The REG_SZ value `name` of keyPath as text, if present.
std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name);

// The folder that holds the store (created when missing).
std::string ConfigDir();

}  // namespace rd::registry
