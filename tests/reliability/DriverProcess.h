#pragma once

#include "common/PosixDescriptor.h"

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace corvane::test {

/// A run of the reliability driver (ReliabilityDriver.cpp) in a process of its own, its standard
/// output read through a pipe. One still running when the object goes is killed.
class DriverProcess {
public:
    explicit DriverProcess(const std::vector<std::string>& arguments);
    ~DriverProcess();
    DriverProcess(const DriverProcess&) = delete;
    DriverProcess& operator=(const DriverProcess&) = delete;

    /// Ends the process at once (SIGKILL), as a crash or a power cut of its machine would end it.
    void kill();
    /// Waits at most `timeout` for the process to end: its exit code (128 + the signal for a killed
    /// one), or nothing while it still runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    /// The whole lines written so far, after waiting at most `timeout` for the first one.
    std::vector<std::string> newLines(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    os::PosixDescriptor output_;
    std::string partial_;
};

} // namespace corvane::test
