#include "platform/qt/InstanceLock.h"

#include "common/Paths.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace corvane::forms::qt {

namespace {
std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}
} // namespace

InstanceLock::InstanceLock(const std::string& folder, const std::string& program) {
    std::string path = joinPath(folder, program + ".lock");
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        anotherCopyRunning_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string InstanceLock::userFolder() {
    if (auto runtime = absoluteVariable("XDG_RUNTIME_DIR"); !runtime.empty()) {
        return runtime;
    }
    if (auto config = absoluteVariable("XDG_CONFIG_HOME"); !config.empty()) {
        return config;
    }
    const char* home = std::getenv("HOME");
    return joinPath(home != nullptr ? home : ".", ".config");
}

} // namespace corvane::forms::qt
