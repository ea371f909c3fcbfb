#include "sim/win32/common/EngineFile.h"

#include "platform/win32/com/ComText.h"
#include "platform/win32/ui/WinApi.h"

namespace corvane::sim::win32 {

namespace {
std::string utf8Of(const std::string& ansi) {
    const std::wstring wide = ::corvane::win32::com::wideOf(ansi);
    if (wide.empty()) {
        return {};
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}
} // namespace

std::unique_ptr<Engine> openEngine(const std::string& path) {
    return std::make_unique<Engine>(utf8Of(path));
}

} // namespace corvane::sim::win32
