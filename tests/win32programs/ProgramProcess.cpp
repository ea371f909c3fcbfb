#include "tests/win32programs/ProgramProcess.h"

#include "tests/support/WaitFor.h"

#include <tlhelp32.h>

#include <stdexcept>

namespace corvane::test {

namespace {
constexpr DWORD kAccess = SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE;
/// How long an ended process may take to go.
constexpr DWORD kEndingMs = 5000;

/// The id of a running process with that file name, or 0.
DWORD processNamed(std::string_view fileName) {
    const os::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more != FALSE;
         more = Process32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, std::string(fileName).c_str()) == 0) {
            return entry.th32ProcessID;
        }
    }
    return 0;
}

ULONGLONG ticksOf(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32U) | time.dwLowDateTime;
}
} // namespace

ProgramProcess ProgramProcess::start(const std::string& program) {
    const std::string folder = program.substr(0, program.find_last_of("\\/"));
    std::string line = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &started) ==
        FALSE) {
        throw std::runtime_error("cannot start " + program);
    }
    const os::FileHandle thread(started.hThread);
    return ProgramProcess(os::FileHandle(started.hProcess), started.dwProcessId);
}

std::optional<ProgramProcess> ProgramProcess::await(std::string_view fileName, std::chrono::milliseconds patience) {
    DWORD id = 0;
    if (!waitFor([&] { return (id = processNamed(fileName)) != 0; }, patience)) {
        return std::nullopt;
    }
    HANDLE process = OpenProcess(kAccess, FALSE, id);
    if (process == nullptr) {
        return std::nullopt; // it ended already
    }
    return ProgramProcess(os::FileHandle(process), id);
}

ProgramProcess::~ProgramProcess() {
    if (process_.get() != INVALID_HANDLE_VALUE && running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kEndingMs);
    }
}

bool ProgramProcess::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<unsigned long> ProgramProcess::waitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::chrono::milliseconds ProgramProcess::age() const {
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    GetProcessTimes(process_.get(), &created, &exited, &kernel, &user);
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    // File times count 100 ns.
    return std::chrono::milliseconds((ticksOf(now) - ticksOf(created)) / 10000U);
}

} // namespace corvane::test
