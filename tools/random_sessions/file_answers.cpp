#include "file_answers.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace rd::sessions {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSaved = "saves/out.rcon";
constexpr const char* kDamaged = "saves/damaged.rcon";

void Write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The saved file cut short, with bytes changed, or with lines that look like headers.
std::string Damage(Random& random, std::string bytes) {
  if (bytes.empty()) return "<R1>\r\n";
  switch (random.Below(4)) {
    case 0:
      bytes.resize(random.Below(bytes.size()));
      break;
    case 1:
      for (int i = 0; i < 8; ++i)
        bytes[random.Below(bytes.size())] = static_cast<char>(random.Below(256));
      break;
    case 2:
      bytes.insert(random.Below(bytes.size()), "\r\n<R7>\r\nkey:value<x>\r\n");
      break;
    default:
      bytes = bytes.substr(random.Below(bytes.size()));
      break;
  }
  return bytes;
}

}  // namespace

FileAnswers::FileAnswers(const fs::path& folder) : folder_(folder) {
  fs::create_directories(folder / "saves");
  fs::create_directories(folder / "folder.rcon");
  Write(folder / "binary.rcon", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff", 16));
  Write(folder / "other.txt", "hostname Edge\r\ninterface ethernet 0\r\n ip address 10.0.0.1\r\n");
  Write(folder / "page.html", "<!DOCTYPE html>\n<html><body><p>a page</p></body></html>\n");
  Write(folder / "empty.rcon", "");
  Write(folder / "latin1.rcon", "<R1>\r\nHostName:caf\xE9\r\n");
  Write(folder / "header_last.rcon", "<R1>\r\nHostName:Short\r\n<R2>\r\n");
  Write(folder / "lt.rcon", "<R1>\r\nHostName:a<b\r\nenable_password:x\r\n");
  Write(folder / "bom.rcon", "\xEF\xBB\xBF<R1>\nHostName:Bom\nenable_password:caf\xC3\xA9\n");
  std::string blocks;
  for (int device = 0; device < 9; ++device)
    blocks += "<D" + std::to_string(device) + ">\r\nk:v\r\n";
  Write(folder / "blocks.rcon", blocks);
  std::string wrap = "<R1>\r\n";
  for (int row = 0; row < 700; ++row)
    wrap += "k" + std::to_string(row) + ":w" + std::to_string(row) + "\r\n";
  Write(folder / "wrap.rcon", wrap);
  Write(folder / "long.rcon", "<R1>\r\nHostName:" + std::string(100000, 'L') + "\r\n");
}

std::string FileAnswers::ForOpen(Random& random) const {
  static const std::vector<std::string> fixed = {"binary.rcon",
                                                 "other.txt",
                                                 "page.html",
                                                 "empty.rcon",
                                                 "latin1.rcon",
                                                 "header_last.rcon",
                                                 "lt.rcon",
                                                 "bom.rcon",
                                                 "blocks.rcon",
                                                 "wrap.rcon",
                                                 "long.rcon",
                                                 "folder.rcon",
                                                 "missing/x.rcon",
                                                 "commandsbackup.mdb",
                                                 "showcommands.txt",
                                                 "simulator-logo.gif",
                                                 kSaved};
  if (random.Chance(10)) return "cancel";
  if (random.Chance(25) && fs::exists(folder_ / kSaved)) {
    Write(folder_ / kDamaged, Damage(random, Read(folder_ / kSaved)));
    return kDamaged;
  }
  return random.Pick(fixed);
}

std::string FileAnswers::ForSave(Random& random) const {
  static const std::vector<std::string> targets = {
      kSaved,        kSaved,           "saves/noext",          "commandsbackup.mdb",
      "folder.rcon", "missing/x.rcon", "showcommands.txt.rcon"};
  if (random.Chance(10)) return "cancel";
  return random.Pick(targets);
}

}  // namespace rd::sessions
