#include "tests/win32forms/OwnDesktop.h"

#include "platform/win32/files/FileHandle.h"

#include <windows.h>

#include <string>

namespace corvane::test {

void endOwnDesktop() {
    char name[64] = {};
    DWORD length = 0;
    GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name, &length);
    DWORD desktopProcess = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &desktopProcess);
    if (std::string(name) == "Default" || desktopProcess == 0 || desktopProcess == GetCurrentProcessId()) {
        return;
    }
    const os::FileHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, desktopProcess));
    if (process.get() != nullptr) {
        TerminateProcess(process.get(), 0);
    }
}

} // namespace corvane::test
