// The registry store's in-memory form and its file format.
//
// The file is line-based text:
//   # routedrill registry store
//   [SOFTWARE\ODBC\ODBC.INI\cmds1]
//   "DBQ" 1 "commandsbackup.mdb"
//   "DriverID" 4 "%19%00%00%00"
// A key line holds the key path in brackets; each value line below it holds the value name, the
// type as a decimal number and the data bytes. In names, paths and data every byte below 0x20 or
// above 0x7e and the characters '%', '"', '[' and ']' are written as %HH, so any byte sequence
// survives and each entry stays on one line. Keys and values appear in the order they were
// first written.
#pragma once

#include <string>
#include <vector>

#include "platform/registry/registry.h"

namespace rd::registry::store {

struct Key {
  std::string path;  // backslash-separated, as first written
  std::vector<StoredValue> values;
};

struct Store {
  std::vector<Key> keys;

  // The key with this path (ASCII case ignored), or null.
  Key* Find(const std::string& path);
  const Key* Find(const std::string& path) const;
  // The key with this path, created (after its missing parents) when absent. `created` tells
  // whether anything was added.
  Key& Ensure(const std::string& path, bool* created);
};

// Folds a path to its canonical form: components separated by one backslash, none empty.
std::string NormalizePath(const std::string& path);

// Reads the store file; a missing file is an empty store and unreadable lines are skipped.
Store Load(const std::string& file);
// Writes the store file atomically (temporary file, then rename); false on failure.
bool Save(const Store& store, const std::string& file);

std::string Escape(const std::string& bytes);
std::string Unescape(const std::string& text);

}  // namespace rd::registry::store
