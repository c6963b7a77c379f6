#include "session_checks.h"

#include "table_reader.h"
#include "terminal/form2.h"

namespace rd::sessions {
std::string TypedLine(const std::string& text) {
  size_t end = text.size();
  if (text.ends_with("\r\n")) end -= 2;
  const size_t start = text.rfind("\r\n", end == 0 ? 0 : end - 1);
  const size_t from = start == std::string::npos || start >= end ? 0 : start + 2;
  return text.substr(from, end - from);
}

std::string ConsoleProblem(App& app, std::set<std::string>& hosts,
                           const std::set<std::string>& modes) {
  hosts.insert(app.g.gHostName);
  Form2& terminal = app.Window<Form2>();
  if (!terminal.IsLoaded()) return "";
  const std::string line = TypedLine(terminal.Text1.Text());
  // Whatever the user typed after a prompt stays on its line.
  if (line.starts_with("press enter to begin") || line.starts_with("password:") ||
      line.starts_with("--MORE--")) {
    return "";
  }
  for (const std::string& host : hosts) {
    for (const std::string& mode : modes) {
      if (!host.empty() && !mode.empty() && line.starts_with(host + mode)) return "";
    }
  }
  return "the console's last line \"" + line.substr(0, 120) +
         "\" is no prompt (nor a password or paging prompt, nor \"press enter to begin\")";
}

std::string SavedColumns(const std::string& databasePath) {
  const std::optional<Table> table = ReadTable(databasePath, "SELECT * FROM routervariables");
  if (!table) return "(routervariables can't be read)";
  std::string text;
  for (size_t column = 1; column < table->columns.size(); column += 2) {
    text += "[" + table->columns[column] + "]";
    for (const std::vector<std::string>& row : table->rows) text += "|" + row[column];
    text += "\n";
  }
  return text;
}

}  // namespace rd::sessions
