#pragma once

#include <string>

namespace corvane::os {

/// A path of the programs (bytes in the system's ANSI code page, as the "A" file functions take it)
/// for the "W" file functions: converted as the "A" functions would convert it, and in the
/// extended form ("\\?\C:\...", "\\?\UNC\server\share\...") when its full form is too long for
/// the plain one, which the "A" functions cannot reach at all.
std::wstring widePath(const std::string& path);

/// The extended form of a full path; a path already in that form or naming a device stays as it is.
std::wstring extendedForm(const std::wstring& fullPath);

} // namespace corvane::os
