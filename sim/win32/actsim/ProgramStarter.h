#pragma once

#include <string>

namespace corvane::sim::win32 {

/// Starts a program as ACT! starts one: a command line (the path of a program alone is quoted, so it
/// may hold blanks) run in a working folder (none: actsim's current one). False when it cannot be
/// started. Text is in the system's ANSI code page.
bool startProgram(const std::string& commandLine, const std::string& workingFolder);

} // namespace corvane::sim::win32
