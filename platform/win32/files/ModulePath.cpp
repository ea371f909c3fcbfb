#include "platform/win32/files/ModulePath.h"

#include <windows.h>

namespace corvane::win32 {

std::string modulePath(HINSTANCE__* module) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace corvane::win32
