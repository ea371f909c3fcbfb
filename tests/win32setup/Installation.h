#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace corvane::test {

/// Corvane's entry among the installed programs, below HKEY_LOCAL_MACHINE.
inline constexpr const char* kUninstallKey = R"(Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane)";

/// Starts a program and waits for its end: its exit code, or nothing when it still ran after
/// `timeout` (it is then ended).
std::optional<unsigned long> runToEnd(std::string commandLine, std::chrono::milliseconds timeout);

/// A text or number of Corvane's uninstall entry, or nothing when it has none.
std::optional<std::string> entryText(const char* name);
std::optional<uint32_t> entryNumber(const char* name);
bool entryExists();
/// Takes the entry away, as if Corvane had never been installed.
void removeEntry();

/// A folder of Windows by its CSIDL (CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAM_FILES).
std::string specialFolder(int csidl);

/// The file a shortcut starts or opens; "" when the shortcut cannot be read.
std::string shortcutTarget(const std::string& shortcut);

/// Whether the file exists and holds exactly these bytes.
bool holds(const std::string& file, const std::string& bytes);

} // namespace corvane::test
