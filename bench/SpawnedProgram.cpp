#include "bench/SpawnedProgram.h"

#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace corvane::bench {

SpawnedProgram::SpawnedProgram(const std::string& path) {
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    if (::posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        throw std::runtime_error("cannot start " + path);
    }
}

SpawnedProgram::~SpawnedProgram() {
    if (!stopped_) {
        stop();
    }
}

double SpawnedProgram::stop() {
    stopped_ = true;
    ::kill(pid_, SIGKILL);
    rusage usage{};
    ::wait4(pid_, nullptr, 0, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace corvane::bench
