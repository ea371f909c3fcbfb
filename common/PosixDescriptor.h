#pragma once

#include <unistd.h>

#include <utility>

namespace corvane::os {

/// Owns a POSIX file descriptor and closes it once; moved, never copied.
class PosixDescriptor {
public:
    PosixDescriptor() = default;
    explicit PosixDescriptor(int fd) noexcept : fd_(fd) {}
    ~PosixDescriptor() { close(); }
    PosixDescriptor(PosixDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    PosixDescriptor& operator=(PosixDescriptor&& other) noexcept {
        if (this != &other) {
            close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    PosixDescriptor(const PosixDescriptor&) = delete;
    PosixDescriptor& operator=(const PosixDescriptor&) = delete;

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }

    /// Closes the descriptor now; false when the system reported a failure (written bytes may be
    /// lost).
    bool close() noexcept {
        if (fd_ < 0) {
            return true;
        }
        return ::close(std::exchange(fd_, -1)) == 0;
    }

private:
    int fd_ = -1;
};

} // namespace corvane::os
