#pragma once

#include <string>
#include <sys/types.h>

namespace corvane::bench {

/// A program started with the environment of this process and nothing on its command line, as ACT!
/// starts the trigger; it is killed when the object goes.
class SpawnedProgram {
public:
    /// Starts `path`. Throws std::runtime_error when it cannot be started.
    explicit SpawnedProgram(const std::string& path);
    ~SpawnedProgram();
    SpawnedProgram(const SpawnedProgram&) = delete;
    SpawnedProgram& operator=(const SpawnedProgram&) = delete;

    pid_t pid() const { return pid_; }
    /// Kills the program and returns the processor time it used (user and system), in milliseconds.
    double stop();

private:
    pid_t pid_ = 0;
    bool stopped_ = false;
};

} // namespace corvane::bench
