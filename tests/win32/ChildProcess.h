#pragma once

#include "platform/win32/files/FileHandle.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace corvane::test {

/// The command line that starts this test program once more with the given arguments (see main.cpp).
std::string thisProgramWith(const std::vector<std::string>& arguments);

/// A process this test started; one still running when the object goes is ended.
class ChildProcess {
public:
    /// Starts a program; the command line is in the system's ANSI code page.
    explicit ChildProcess(std::string commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running() const;
    /// Ends the child at once, as a crash or the task manager would: no code of its own runs.
    void kill() const;
    /// Waits at most `timeout` for the child to end: its exit code, or nothing while it still runs.
    std::optional<unsigned long> waitForExit(std::chrono::milliseconds timeout) const;

private:
    os::FileHandle process_; // a kernel handle, closed as a file's is
};

} // namespace corvane::test
