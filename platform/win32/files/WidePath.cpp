#include "platform/win32/files/WidePath.h"

#include <windows.h>

namespace corvane::os {
namespace {

std::wstring fromAnsi(const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// The absolute form the system makes of a path (relative to the current folder, "/" as "\", "." and
// ".." resolved); the path itself when it has none.
std::wstring fullPathOf(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return path;
        }
        const bool fitted = length < full.size(); // otherwise `length` is the room it needs
        full.resize(length);
        if (fitted) {
            return full;
        }
    }
}

} // namespace

std::wstring extendedForm(const std::wstring& fullPath) {
    if (fullPath.starts_with(LR"(\\?\)") || fullPath.starts_with(LR"(\\.\)")) {
        return fullPath;
    }
    if (fullPath.starts_with(LR"(\\)")) {
        return LR"(\\?\UNC\)" + fullPath.substr(2);
    }
    return LR"(\\?\)" + fullPath;
}

std::wstring widePath(const std::string& path) {
    std::wstring wide = fromAnsi(path);
    const std::wstring full = fullPathOf(wide);
    // Short paths go to the system as given, so that they mean exactly what they meant to the "A"
    // functions; only a path they could not take becomes the extended form.
    if (wide.size() < MAX_PATH && full.size() < MAX_PATH) {
        return wide;
    }
    return extendedForm(full);
}

} // namespace corvane::os
