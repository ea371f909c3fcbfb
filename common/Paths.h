#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// The separator the programs join paths with: "\" on Windows, "/" elsewhere. Paths are joined as
/// text and never normalized. This is the one platform switch in system code.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

/// folder + separator + name.
inline std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += kPathSeparator;
    path += name;
    return path;
}

} // namespace corvane
