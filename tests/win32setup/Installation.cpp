#include "tests/win32setup/Installation.h"

#include "platform/win32/com/ComPtr.h"
#include "platform/win32/ui/Handles.h"
#include "tests/support/TempDir.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <stdexcept>

namespace corvane::test {

std::optional<unsigned long> runToEnd(std::string commandLine, std::chrono::milliseconds timeout) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    const forms::win32::KernelHandle process(started.hProcess);
    const forms::win32::KernelHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

std::optional<std::string> entryText(const char* name) {
    DWORD size = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string text(size, '\0');
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(size > 0 ? size - 1 : 0); // without its terminating NUL
    return text;
}

std::optional<uint32_t> entryNumber(const char* name) {
    DWORD number = 0;
    DWORD size = sizeof number;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &number, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return number;
}

bool entryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void removeEntry() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kUninstallKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
}

std::string specialFolder(int csidl) {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        throw std::runtime_error("no special folder " + std::to_string(csidl));
    }
    return folder;
}

std::string shortcutTarget(const std::string& shortcut) {
    win32::com::ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.put())))) {
        return "";
    }
    const auto file = link.query<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(std::filesystem::path(shortcut).wstring().c_str(), STGM_READ))) {
        return "";
    }
    char target[MAX_PATH] = {};
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK) {
        return "";
    }
    return target;
}

bool holds(const std::string& file, const std::string& bytes) {
    return std::filesystem::is_regular_file(file) && readBytes(file) == bytes;
}

} // namespace corvane::test
