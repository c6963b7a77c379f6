// The ".rcon" device configuration file: one block per device, a header line "<column>" and
// one line "key:value" per row of the device table, every line ended by CR LF.
#pragma once

#include <string>

namespace rd::rcon {

inline constexpr const char* kFilter = "rconfig(*.rcon)|*.rcon";

// A value as written to its line: line breaks and the escape character "\" are escaped
// ("\r", "\n", "\\"), so that a value of several lines reads back exactly.
std::string EscapeValue(const std::string& value);

// The value of a line as read back. A "\" that starts no escape is kept, so that files with no
// escapes read as before.
std::string UnescapeValue(const std::string& text);

// The value part of a value line: everything after its first ":", or the whole line.
std::string ValueOfLine(const std::string& line);

// The folder the file dialogs open in: "zozedudovav" under the user's home, created when
// missing.
std::string DialogFolder();

}  // namespace rd::rcon
