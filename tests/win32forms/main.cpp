// The tests of the Win32 forms backend, on the window metrics the forms were designed on.
#include "platform/win32/ui/Handles.h"
#include "tests/win32forms/DesignMetrics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

/// Under Wine the tests run on a desktop of their own (see CMakeLists.txt). The process that Wine
/// starts to draw it holds the tests' error output and outlives them by some ten seconds, while
/// CTest waits for the end of that output: the tests end it when they are done. The shared desktop
/// ("Default") is left alone.
void endOwnDesktop() {
    char name[64] = {};
    DWORD length = 0;
    GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name, &length);
    DWORD desktopProcess = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &desktopProcess);
    if (std::string(name) == "Default" || desktopProcess == 0 || desktopProcess == GetCurrentProcessId()) {
        return;
    }
    const corvane::forms::win32::KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, desktopProcess));
    if (process.get() != nullptr) {
        TerminateProcess(process.get(), 0);
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns the environment.
    ::testing::AddGlobalTestEnvironment(new corvane::forms::win32::test::DesignMetrics);
    const int result = RUN_ALL_TESTS();
    endOwnDesktop();
    return result;
}
