#include "platform/registry/store.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/text/ascii.h"

namespace rd::registry::store {
namespace {

bool NeedsEscape(unsigned char c) {
  return c < 0x20 || c > 0x7e || c == '%' || c == '"' || c == '[' || c == ']';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads `"text"` at pos; advances pos past the closing quote.
bool ReadQuoted(const std::string& line, size_t& pos, std::string& out) {
  if (pos >= line.size() || line[pos] != '"') return false;
  size_t end = line.find('"', pos + 1);
  if (end == std::string::npos) return false;
  out = Unescape(line.substr(pos + 1, end - pos - 1));
  pos = end + 1;
  return true;
}

// Parses `"name" type "data"`.
bool ParseValue(const std::string& line, StoredValue& value) {
  size_t pos = 0;
  if (!ReadQuoted(line, pos, value.name)) return false;
  while (pos < line.size() && line[pos] == ' ') ++pos;
  size_t digits = pos;
  uint64_t type = 0;
  while (pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos])) &&
         type <= UINT32_MAX) {
    type = type * 10 + static_cast<uint64_t>(line[pos++] - '0');
  }
  if (pos == digits || type > UINT32_MAX) return false;
  value.type = static_cast<uint32_t>(type);
  while (pos < line.size() && line[pos] == ' ') ++pos;
  std::string data;
  if (!ReadQuoted(line, pos, data) || pos != line.size()) return false;
  value.data.assign(data.begin(), data.end());
  return true;
}

}  // namespace

std::string Escape(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (NeedsEscape(c)) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    int hi = i + 2 < text.size() && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
    int lo = hi >= 0 ? HexDigit(text[i + 2]) : -1;
    if (lo >= 0) {
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string NormalizePath(const std::string& path) {
  std::string out;
  std::string part;
  std::istringstream in(path);
  while (std::getline(in, part, '\\')) {
    if (part.empty()) continue;
    if (!out.empty()) out += '\\';
    out += part;
  }
  return out;
}

const Key* Store::Find(const std::string& path) const {
  std::string wanted = NormalizePath(path);
  for (const Key& key : keys) {
    if (ascii::EqualNoCase(key.path, wanted)) return &key;
  }
  return nullptr;
}

Key* Store::Find(const std::string& path) {
  return const_cast<Key*>(static_cast<const Store&>(*this).Find(path));
}

Key& Store::Ensure(const std::string& path, bool* created) {
  std::string wanted = NormalizePath(path);
  *created = false;
  size_t sep = wanted.rfind('\\');
  if (sep != std::string::npos) {
    bool parentCreated = false;
    Ensure(wanted.substr(0, sep), &parentCreated);
    *created = parentCreated;
  }
  if (Key* key = Find(wanted)) return *key;
  *created = true;
  keys.push_back(Key{wanted, {}});
  return keys.back();
}

Store Load(const std::string& file) {
  Store store;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  Key* current = nullptr;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      bool created = false;
      current = &store.Ensure(Unescape(line.substr(1, line.size() - 2)), &created);
      continue;
    }
    StoredValue value;
    if (current == nullptr || !ParseValue(line, value)) continue;
    auto same = [&](const StoredValue& v) { return ascii::EqualNoCase(v.name, value.name); };
    auto it = std::find_if(current->values.begin(), current->values.end(), same);
    if (it == current->values.end()) {
      current->values.push_back(std::move(value));
    } else {
      *it = std::move(value);
    }
  }
  return store;
}

bool Save(const Store& store, const std::string& file) {
  std::ostringstream out;
  out << "# routedrill registry store\n";
  for (const Key& key : store.keys) {
    out << '[' << Escape(key.path) << "]\n";
    for (const StoredValue& value : key.values) {
      out << '"' << Escape(value.name) << "\" " << value.type << " \""
          << Escape(std::string(value.data.begin(), value.data.end())) << "\"\n";
    }
  }
  std::string temp = file + ".tmp" + std::to_string(getpid());
  // The data reaches the disk before the rename, so a crash leaves the old store or the new one.
  const std::string text = out.str();
  std::FILE* tmp = std::fopen(temp.c_str(), "wb");
  bool written = tmp != nullptr && std::fwrite(text.data(), 1, text.size(), tmp) == text.size() &&
                 std::fflush(tmp) == 0 && fsync(fileno(tmp)) == 0;
  if (tmp != nullptr && std::fclose(tmp) != 0) written = false;
  if (!written) {
    std::remove(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), file.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace rd::registry::store
