#include "tests/win32/ChildProcess.h"

#include <stdexcept>

namespace corvane::test {
namespace {

std::string ownProgram() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

// Arguments of these tests hold no quotes, so quoting each one is enough.
std::string thisProgramWith(const std::vector<std::string>& arguments) {
    std::string line = "\"" + ownProgram() + "\"";
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
