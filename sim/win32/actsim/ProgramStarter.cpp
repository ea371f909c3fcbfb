#include "sim/win32/actsim/ProgramStarter.h"

#include "platform/win32/ui/Handles.h"
#include "sim/win32/common/Files.h"

namespace corvane::sim::win32 {

bool startProgram(const std::string& commandLine, const std::string& workingFolder) {
    std::string line = isFile(commandLine) ? "\"" + commandLine + "\"" : commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &started) == FALSE) {
        return false;
    }
    // actsim does not wait for the programs it starts.
    const forms::win32::KernelHandle process(started.hProcess);
    const forms::win32::KernelHandle thread(started.hThread);
    return true;
}

} // namespace corvane::sim::win32
