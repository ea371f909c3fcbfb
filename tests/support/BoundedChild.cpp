#include "tests/support/BoundedChild.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <stdexcept>

namespace corvane::test {

namespace {

/// Owns one end of a pipe.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_;
};

[[noreturn]] void runChild(const std::function<std::string()>& body, Fd& out) {
    std::string text;
    try {
        text = body();
    } catch (const std::exception& error) {
        text = std::string("EXCEPTION ") + error.what();
    } catch (...) {
        text = "EXCEPTION";
    }
    for (size_t written = 0; written < text.size();) {
        const ssize_t count = ::write(out.get(), text.data() + written, text.size() - written);
        if (count <= 0) {
            break;
        }
        written += static_cast<size_t>(count);
    }
    // No destructors or exit handlers of the copied test program run in the child.
    ::_exit(0);
}

/// Reads until the child closes its end or the deadline passes; false on the deadline.
bool readUntilClosed(int fd, std::chrono::steady_clock::time_point deadline, std::string& text) {
    std::array<char, 4096> buffer{};
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count <= 0) {
            return true;
        }
        text.append(buffer.data(), static_cast<size_t>(count));
    }
}

} // namespace

std::string runBounded(const std::function<std::string()>& body, std::chrono::milliseconds bound) {
    std::array<int, 2> ends{};
    if (::pipe(ends.data()) != 0) {
        throw std::runtime_error("no pipe for a child");
    }
    Fd in(ends[0]);
    Fd out(ends[1]);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("no child process");
    }
    if (child == 0) {
        in.reset();
        runChild(body, out);
    }
    out.reset();
    std::string text;
    const bool finished = readUntilClosed(in.get(), std::chrono::steady_clock::now() + bound, text);
    if (!finished) {
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!finished) {
        return "HUNG (killed after " + std::to_string(bound.count()) + " ms)";
    }
    if (WIFSIGNALED(status)) {
        return "CRASHED (signal " + std::to_string(WTERMSIG(status)) + ")";
    }
    // A sanitizer ends the child with a status of its own before it can answer.
    return text.empty() ? "NO RESULT (exit status " + std::to_string(WEXITSTATUS(status)) + ")" : text;
}

} // namespace corvane::test
