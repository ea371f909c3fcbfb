#include "platform/win32/com/ComText.h"

namespace corvane::win32::com {

std::wstring wideOf(std::string_view ansi) {
    if (ansi.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return wide;
}

std::string ansiOf(const wchar_t* wide, size_t length) {
    if (wide == nullptr || length == 0) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

Bstr::Bstr(std::string_view ansi) {
    const std::wstring wide = wideOf(ansi);
    text_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

} // namespace corvane::win32::com
