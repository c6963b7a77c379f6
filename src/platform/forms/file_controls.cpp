// Controls that show a file: pictures and web pages.
#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/forms/forms.h"

namespace rd::forms {
namespace {

bool HasPictureSignature(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<char, 8> head{};
  in.read(head.data(), head.size());
  const auto n = static_cast<size_t>(in.gcount());
  auto starts = [&](const char* sig, size_t len) {
    return n >= len && std::memcmp(head.data(), sig, len) == 0;
  };
  return starts("GIF87a", 6) || starts("GIF89a", 6) || starts("\x89PNG\r\n\x1a\n", 8) ||
         starts("\xff\xd8\xff", 3) || starts("BM", 2);
}

}  // namespace

std::string LoadPicture(const std::string& path) {
  std::string file = path;
  std::replace(file.begin(), file.end(), '\\', '/');
  if (!std::filesystem::is_regular_file(file)) {
    throw std::runtime_error("File not found: " + path);
  }
  if (!HasPictureSignature(file)) throw std::runtime_error("Invalid picture: " + path);
  return file;
}

PictureBox::PictureBox(Form& parent, std::string name)
    : Control(parent, std::move(name), ControlKind::PictureBox) {}

void PictureBox::SaveDesign() {
  designCommon_ = SaveCommon();
  designPicture_ = Picture;
}

void PictureBox::RestoreDesign() {
  RestoreCommon(designCommon_);
  Picture = designPicture_;
}

WebBrowser::WebBrowser(Form& parent, std::string name)
    : Control(parent, std::move(name), ControlKind::WebBrowser) {}

void WebBrowser::Navigate(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) {
    throw std::runtime_error("File not found: " + path);
  }
  location_ = path;
}

void WebBrowser::SaveDesign() { designCommon_ = SaveCommon(); }

void WebBrowser::RestoreDesign() {
  RestoreCommon(designCommon_);
  location_.clear();
}

}  // namespace rd::forms
