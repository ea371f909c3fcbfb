#include "tests/win32/ChildProcess.h"

#include "platform/win32/files/ModulePath.h"

#include <stdexcept>

namespace corvane::test {
// Arguments of these tests hold no quotes, so quoting each one is enough.
std::string thisProgramWith(const std::vector<std::string>& arguments) {
    std::string line = "\"" + corvane::win32::modulePath() + "\"";
    for (const std::string& argument : arguments) {
        line += " \"" + argument + "\"";
    }
    return line;
}

ChildProcess::ChildProcess(std::string line) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        throw std::runtime_error("cannot start " + line);
    }
    process_ = os::FileHandle(started.hProcess);
    const os::FileHandle unused(started.hThread);
}

ChildProcess::~ChildProcess() {
    if (running()) {
        kill();
    }
}

void ChildProcess::kill() const {
    TerminateProcess(process_.get(), 1);
}

bool ChildProcess::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<unsigned long> ChildProcess::waitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

} // namespace corvane::test
