#pragma once

#include "platform/win32/files/FileHandle.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::test {

/// A program's process that a test watches: one the test starts, or one another program started
/// that the test finds by its file name. A process still running when the object goes is ended, so
/// that a failed test leaves no program behind for the next one.
class ProgramProcess {
public:
    /// Starts the program with nothing on its command line, in its own folder; fails with
    /// std::runtime_error.
    static ProgramProcess start(const std::string& program);
    /// The process of that file name (e.g. "CorvaneEditMode.exe") once one runs, waited for boundedly.
    static std::optional<ProgramProcess> await(std::string_view fileName,
                                               std::chrono::milliseconds patience = std::chrono::seconds(10));

    ~ProgramProcess();
    ProgramProcess(ProgramProcess&&) noexcept = default;
    ProgramProcess& operator=(ProgramProcess&&) noexcept = default;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    unsigned long id() const { return id_; }
    bool running() const;
    /// Waits at most `timeout` for the end: its exit code, or nothing while it still runs.
    std::optional<unsigned long> waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    /// How long ago the system made the process.
    std::chrono::milliseconds age() const;

private:
    ProgramProcess(os::FileHandle process, unsigned long id) : process_(std::move(process)), id_(id) {}

    os::FileHandle process_; // a kernel handle, closed as a file's is
    unsigned long id_ = 0;
};

} // namespace corvane::test
