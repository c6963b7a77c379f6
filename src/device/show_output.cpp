#include "device/show_output.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rd {

namespace {

// The scratch file "test1.txt" of this process. It lives in the user's temporary folder, so that
// show commands work from a read-only installation and two running copies never share it; it
// is removed when the process ends.
class ScratchFile {
 public:
  ScratchFile()
      : path_(std::filesystem::temp_directory_path() /
              ("routedrill-" + std::to_string(getpid()) + "-test1.txt")) {}
  ~ScratchFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes the filled blocks of `cmdText` to the scratch file and reads them back: every
// non-empty line, a multi-line value's lines included, becomes one output line.
std::string RenderTemplate(db::Connection& conn, const TemplateDevice& device,
                           const std::string& cmdText) {
  const std::filesystem::path& path = ShowScratchFile();
  {
    std::ofstream scratch(path, std::ios::binary | std::ios::trunc);
    if (!scratch) throw std::runtime_error("cannot write the scratch file " + path.string());
    for (const auto& block : ReadTemplateBlocks(kShowTemplateFile, cmdText)) {
      for (const std::string& line : block) {
        if (const auto filled = SubstituteLine(conn, device, line, VariableQuery::Lower))
          scratch << *filled << "\r\n";
      }
      scratch << "\r\n";
    }
    scratch << "\r\n";
    if (!scratch.flush())
      throw std::runtime_error("cannot write the scratch file " + path.string());
  }
  std::ifstream scratch(path, std::ios::binary);
  if (!scratch) throw std::runtime_error("cannot read the scratch file " + path.string());
  std::stringstream text;
  text << scratch.rdbuf();
  std::string output;
  for (const std::string& line : SplitLines(text.str())) {
    if (!line.empty()) output += line + "\r\n";
  }
  return output;
}

}  // namespace

const std::filesystem::path& ShowScratchFile() {
  static const ScratchFile scratch;
  return scratch.path();
}

std::string ShowCommandOutput(db::Connection& conn, const TemplateDevice& device,
                              const std::vector<std::string>& history, const std::string& cmdText) {
  if (cmdText != "show history") return RenderTemplate(conn, device, cmdText);
  std::string output;
  for (const std::string& entry : history) output += entry + "\r\n";
  return output;
}

std::string GetRouterUptime(services::Clock now, int startHour, int startMinute) {
  constexpr int kMinutesPerDay = 24 * 60;
  int minutes = (now.hour - startHour) * 60 + (now.minute - startMinute);
  if (minutes < 0) minutes += kMinutesPerDay;
  return std::to_string(minutes);
}

}  // namespace rd
