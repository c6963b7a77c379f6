// The fixed texts the consoles print.
#pragma once

namespace rd::console {

inline constexpr const char* kPressEnter = "press enter to begin";
inline constexpr const char* kConfiguredMessage =
    "%SYS-5-CONFIG_I: Configured from console by console";
inline constexpr const char* kPasswordPrompt = "password:";
inline constexpr const char* kWrongPassword = "wrong Password";
inline constexpr const char* kPasswordTooLong =
    "sorry!Number of Characters are more than the actual password lenght ";

// The terminal's answers to a line it does not carry out.
inline constexpr const char* kNotFound = "Command Not Found";
inline constexpr const char* kIncomplete = "incomplete command";
inline constexpr const char* kAmbiguous = "ambigious command";
inline constexpr const char* kDisabled = "command is disabled";

// Configuration writes the terminal reports.
inline constexpr const char* kAddressInUse =
    "This address is already assigned.Please choose another Address";
inline constexpr const char* kVariableNotFound = "Configuration variable not found: ";

}  // namespace rd::console
