// The ".rcon" device configuration file: one block per device, a header line "<column>" and
// one line "key:value" per row of the device table, every line ended by CR LF, UTF-8 text.
#pragma once

#include <string>
#include <string_view>

namespace rd::rcon {

inline constexpr const char* kFilter = "rconfig(*.rcon)|*.rcon";
// Added by the save dialog to a name typed without an extension.
inline constexpr const char* kExtension = "rcon";

// A value as written to its line: line breaks, the escape character "\" and "<" are escaped
// ("\r", "\n", "\\", "\x3C"), so that a value of several lines, or one that holds "<", reads
// back exactly and never passes for a header.
std::string EscapeValue(const std::string& value);

// A row key as written before its ":": escaped as a value, and ":" too ("\x3A"), so that the
// value read back starts where the writer put it.
std::string EscapeKey(const std::string& key);

// The value of a line as read back. A "\" that starts no escape is kept, so that files with no
// escapes read as before.
std::string UnescapeValue(const std::string& text);

// The value part of a value line: everything after its first ":", or the whole line.
std::string ValueOfLine(const std::string& line);

// Whether a line of a block starts the next block: any line that holds "<" (the writer escapes
// it within values, and hand-made files were always read this way).
bool StartsBlock(std::string_view line);

// Whether a line has the shape of a device header: "<", a column name without blanks or angle
// brackets, ">". A file must begin with one.
bool IsDeviceHeader(std::string_view line);

// Whether bytes are text: valid UTF-8 with no control characters but tab, CR and LF.
bool IsText(std::string_view bytes);

// The folder the file dialogs open in: "zozedudovav" under the user's home, created when
// missing.
std::string DialogFolder();

}  // namespace rd::rcon
