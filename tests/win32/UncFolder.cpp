#include "tests/win32/UncFolder.h"

#include "tests/win32/WideFiles.h"

#include <windows.h>

#include <memory>
#include <random>

namespace corvane::test {
namespace {

struct HeapFreer {
    void operator()(wchar_t* text) const noexcept { HeapFree(GetProcessHeap(), 0, text); }
};

// The Windows path of a Unix path, from Wine's own kernel32; "" outside Wine.
std::wstring wineDosPathOf(const std::string& unixPath) {
    using DosFileName = wchar_t*(CDECL*)(const char*);
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name");
    if (found == nullptr || unixPath.empty()) {
        return {};
    }
    // Through void(*)(), the one function pointer type that converts to any other without a warning.
    const auto toDos = reinterpret_cast<DosFileName>(reinterpret_cast<void (*)()>(found));
    const std::unique_ptr<wchar_t, HeapFreer> dos(toDos(unixPath.c_str()));
    return dos ? std::wstring(dos.get()) : std::wstring();
}

std::string environment(const char* name) {
    char value[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

} // namespace

UncFolder::UncFolder() {
    const std::string unique = "corvane" + std::to_string(std::random_device{}());
    const std::wstring prefix = wineDosPathOf(environment("WINEPREFIX"));
    if (!prefix.empty()) {
        local_ = prefix + L"\\dosdevices\\unc\\corvane-test\\" + widen(unique);
        unc_ = R"(\\corvane-test\)" + unique;
    } else {
        const std::string temp = environment("TEMP");
        if (temp.size() < 3 || temp[1] != ':') {
            return;
        }
        local_ = widen(temp + "\\" + unique);
        unc_ = R"(\\localhost\)" + temp.substr(0, 1) + "$" + temp.substr(2) + "\\" + unique;
    }
    makeFolders(local_);
    if (!existsWide(widen(unc_))) {
        unc_.clear();
    }
}

UncFolder::~UncFolder() {
    if (!local_.empty()) {
        removeTree(local_);
    }
}

} // namespace corvane::test
