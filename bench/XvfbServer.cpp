#include "bench/XvfbServer.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvane::bench {

namespace {

/// Both ends of a pipe, closed however the start ends.
struct Pipe {
    Pipe() {
        if (::pipe(ends) != 0) {
            throw std::runtime_error("no pipe for Xvfb");
        }
        // Only the server inherits the write end; nobody inherits the read end.
        ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    void closeEnd(int end) {
        if (ends[end] >= 0) {
            ::close(ends[end]);
            ends[end] = -1;
        }
    }

    int ends[2] = {-1, -1};
};

/// The line the server writes once it listens: its display number.
std::string readDisplayNumber(int fd) {
    std::string number;
    char c = 0;
    while (true) {
        const ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || c == '\n') {
            return number;
        }
        number += c;
    }
}

} // namespace

XvfbServer::XvfbServer() {
    Pipe ready;
    const std::string fd = std::to_string(ready.ends[1]);
    // -displayfd picks a free display and tells its number once the server accepts clients.
    const char* argv[] = {"Xvfb",    "-displayfd", fd.c_str(),     "-nolisten", "tcp",
                          "-screen", "0",          "1280x1024x24", nullptr};
    if (::posix_spawnp(&pid_, "Xvfb", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
        throw std::runtime_error("Xvfb could not be started (is it installed?)");
    }
    ready.closeEnd(1);
    const std::string number = readDisplayNumber(ready.ends[0]);
    if (number.empty()) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        throw std::runtime_error("Xvfb ended without a display");
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

} // namespace corvane::bench
