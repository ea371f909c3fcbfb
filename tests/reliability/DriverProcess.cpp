#include "tests/reliability/DriverProcess.h"

#include "tests/support/WaitFor.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

extern char** environ;

namespace corvane::test {

DriverProcess::DriverProcess(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe");
    }
    output_ = os::PosixDescriptor(pipeEnds[0]);
    const os::PosixDescriptor childEnd(pipeEnds[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, childEnd.get(), STDOUT_FILENO);
    std::string program = CORVANE_RELIABILITY_DRIVER;
    std::vector<char*> argv{program.data()};
    std::vector<std::string> copies(arguments);
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const int error = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    ::fcntl(output_.get(), F_SETFL, O_NONBLOCK);
}

DriverProcess::~DriverProcess() {
    if (pid_ > 0) {
        kill();
        waitForExit(std::chrono::seconds(10));
    }
}

void DriverProcess::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
    }
}

std::optional<int> DriverProcess::waitForExit(std::chrono::milliseconds timeout) {
    int status = 0;
    if (pid_ <= 0 || !waitFor([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, timeout)) {
        return std::nullopt;
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::vector<std::string> DriverProcess::newLines(std::chrono::milliseconds timeout) {
    pollfd ready{output_.get(), POLLIN, 0};
    ::poll(&ready, 1, static_cast<int>(timeout.count()));
    char buffer[4096];
    for (ssize_t got; (got = ::read(output_.get(), buffer, sizeof buffer)) > 0;) {
        partial_.append(buffer, static_cast<size_t>(got));
    }
    std::vector<std::string> lines;
    for (size_t end; (end = partial_.find('\n')) != std::string::npos; partial_.erase(0, end + 1)) {
        lines.push_back(partial_.substr(0, end));
    }
    return lines;
}

} // namespace corvane::test
