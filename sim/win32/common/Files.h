#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string>

// Files and folders as actsim and its event control name them: in the system's ANSI code page.

namespace corvane::sim::win32 {

/// The module (program or DLL) this code is linked into.
HMODULE thisModule();
/// The folder part of a path, without its last separator.
std::string folderOf(const std::string& path);
/// Whether the path names a file (not a folder).
bool isFile(const std::string& path);

} // namespace corvane::sim::win32
