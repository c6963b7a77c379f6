#include "device/show_output.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "device/show_template.h"

namespace rd {

namespace {

constexpr const char* kScratchFile = "test1.txt";
constexpr int kPageLines = 25;

void AppendHistory(Module1& g) {
  for (size_t slot = 1; slot < g.gHistory.size(); ++slot) {
    if (!g.gHistory[slot].empty()) g.gShowOutput += g.gHistory[slot] + "\r\n";
  }
}

// Writes the filled blocks of `cmdText` to the scratch file and reads them back: every
// non-empty line, a multi-line value's lines included, becomes one output line.
void RenderTemplate(App& app, const std::string& cmdText) {
  db::Connection conn;
  conn.Open(ConnectionString(app.g));
  {
    std::ofstream scratch(kScratchFile, std::ios::binary | std::ios::trunc);
    if (!scratch) throw std::runtime_error(std::string("cannot write ") + kScratchFile);
    for (const auto& block : ReadTemplateBlocks(kShowTemplateFile, cmdText)) {
      for (const std::string& line : block) {
        if (const auto filled = SubstituteLine(app, conn, line, VariableQuery::Lower))
          scratch << *filled << "\r\n";
      }
      scratch << "\r\n";
    }
    scratch << "\r\n";
  }
  std::ifstream scratch(kScratchFile, std::ios::binary);
  std::stringstream text;
  text << scratch.rdbuf();
  app.g.gShowOutput.clear();
  for (const std::string& line : SplitLines(text.str())) {
    if (!line.empty()) app.g.gShowOutput += line + "\r\n";
  }
}

// Number of pieces minus one when the output is cut at every CR LF.
size_t LastPieceIndex(const std::string& text) {
  size_t breaks = 0;
  for (size_t pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", pos + 2)) {
    ++breaks;
  }
  return breaks;
}

}  // namespace

void ShowCommandOutput(App& app, const std::string& cmdText) {
  if (cmdText == "show history") {
    AppendHistory(app.g);
  } else {
    RenderTemplate(app, cmdText);
  }
  app.g.gShowReady = true;
  if (LastPieceIndex(app.g.gShowOutput) >= kPageLines) app.g.gMorePending = true;
}

std::string GetRouterUptime(App& app) {
  constexpr int kMinutesPerDay = 24 * 60;
  const services::Clock now = app.ui.svc().Now();
  int minutes = (now.hour - app.g.gStartHour) * 60 + (now.minute - app.g.gStartMinute);
  if (minutes < 0) minutes += kMinutesPerDay;
  return std::to_string(minutes);
}

}  // namespace rd
