// The arrows between the folders of src point down: each folder includes only the folders below
// it, and the device model and the interpreter name no window, control or message box. Results
// go up; only the windows print.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What each folder of src may include, itself included. Platform folders use only the platform.
const std::map<std::string, std::set<std::string>>& Allowed() {
  static const std::set<std::string> platform{"platform/db", "platform/forms", "platform/registry",
                                              "platform/services", "platform/text"};
  static const std::map<std::string, std::set<std::string>> allowed = [] {
    std::map<std::string, std::set<std::string>> a;
    const auto with = [](std::set<std::string> base, std::initializer_list<const char*> more) {
      for (const char* m : more) base.insert(m);
      return base;
    };
    for (const std::string& p : platform) a[p] = platform;
    // The device model and the interpreter see the data, not the windows.
    const std::set<std::string> data{"platform/db", "platform/services", "platform/text"};
    a["device"] = with(data, {"device"});
    a["shell"] = with(platform, {"shell"});
    a["interpreter"] = with(data, {"device", "interpreter", "shell"});
    a["console"] = with(platform, {"console"});
    a["terminal"] = with(platform, {"shell", "device", "interpreter", "console", "terminal"});
    a["labs"] = with(platform, {"shell", "device", "interpreter", "console", "terminal", "labs"});
    a["authoring"] = with(platform, {"shell", "authoring"});
    a["app"] = with(platform, {"shell", "terminal", "labs", "authoring", "app"});
    a["gui"] = with(platform, {"app", "gui"});
    return a;
  }();
  return allowed;
}

// The folder of a source file below src: "platform/db" or "terminal".
std::string FolderOf(const fs::path& relative) {
  auto it = relative.begin();
  std::string folder = it->string();
  if (folder == "platform" && std::next(it) != relative.end()) {
    folder += "/" + std::next(it)->string();
  }
  return folder;
}

std::vector<fs::path> Sources(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const std::string ext = entry.path().extension().string();
    if (ext == ".h" || ext == ".cpp") files.push_back(entry.path());
  }
  return files;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const fs::path kSource = fs::path(RD_SOURCE_DIR) / "src";

TEST(Layering, EveryFolderIncludesOnlyTheFoldersBelowIt) {
  const std::regex include(R"re(#include "([^"]+)")re");
  int checked = 0;
  for (const fs::path& file : Sources(kSource)) {
    const fs::path relative = fs::relative(file, kSource);
    const std::string folder = FolderOf(relative);
    const auto allowed = Allowed().find(folder);
    ASSERT_NE(allowed, Allowed().end()) << "no rule for the folder " << folder;
    const std::string text = Read(file);
    for (std::sregex_iterator m(text.begin(), text.end(), include), end; m != end; ++m) {
      const fs::path target((*m)[1].str());
      if (target.parent_path().empty()) continue;  // a file of the same folder
      EXPECT_TRUE(allowed->second.count(FolderOf(target)))
          << relative.string() << " includes " << target.string();
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

TEST(Layering, TheDeviceModelAndTheInterpreterNameNoWindow) {
  // Windows (Form17), their controls (Text1, Command4, Picture1), message boxes and keys sent to
  // a control belong to the windows.
  const std::regex window(
      R"(\bForm\d+\b|\b(Text|Command|Picture|Combo|Label)\d+\b|MsgBox|SendKeys)");
  int checked = 0;
  for (const char* folder : {"device", "interpreter"}) {
    for (const fs::path& file : Sources(kSource / folder)) {
      const std::string text = Read(file);
      std::smatch m;
      EXPECT_FALSE(std::regex_search(text, m, window))
          << fs::relative(file, kSource).string() << " names " << m.str();
      ++checked;
    }
  }
  EXPECT_GT(checked, 10);
}

}  // namespace
