// The append primitive on POSIX: O_APPEND makes the system put each write at the end of the file
// as it is at that moment, whichever process writes, so one write is one whole record. A network
// file system may not keep that promise between machines (NFS does not), so appenders also take
// turns through a lock on one byte far beyond any data.
#include "common/FilePrimitives.h"

#include "common/PosixDescriptor.h"
#include "common/RuntimeError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

namespace corvane::os {
namespace {

// How long an appender waits for the others' turns: each holds the lock for one write.
constexpr auto kTurnWait = std::chrono::seconds(2);
constexpr off_t kTurnByte = 0x7FFFFFFF00000000;

/// The appenders' lock on a file, held until it goes (or the descriptor closes).
class AppendTurn {
public:
    explicit AppendTurn(int fd) : fd_(fd) {
        const auto deadline = std::chrono::steady_clock::now() + kTurnWait;
        auto pause = std::chrono::milliseconds(1);
        while (!set(F_WRLCK)) {
            if ((errno != EAGAIN && errno != EACCES && errno != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                throw RuntimeError(vberr::PathFileAccessError);
            }
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::milliseconds(16));
        }
    }
    ~AppendTurn() { set(F_UNLCK); }
    AppendTurn(const AppendTurn&) = delete;
    AppendTurn& operator=(const AppendTurn&) = delete;

private:
    bool set(short type) const noexcept {
        struct flock lock {};
        lock.l_type = type;
        lock.l_whence = SEEK_SET;
        lock.l_start = kTurnByte;
        lock.l_len = 1;
        return ::fcntl(fd_, F_SETLK, &lock) == 0;
    }

    int fd_; // owned by the caller
};

} // namespace

void appendWhole(const std::string& path, std::string_view header, std::string_view bytes) {
    // Opened without waiting: a named pipe in the file's place would hold the writer until a reader
    // came. Only a regular file is appended to.
    PosixDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!file.valid()) {
        throw RuntimeError(errno == ENOENT || errno == ENOTDIR ? vberr::PathNotFound : vberr::PathFileAccessError);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    {
        const AppendTurn turn(file.get());
        if (::fstat(file.get(), &status) != 0) {
            throw RuntimeError(vberr::PathFileAccessError);
        }
        std::string whole;
        if (status.st_size == 0) {
            whole.reserve(header.size() + bytes.size());
            whole.append(header).append(bytes);
            bytes = whole;
        }
        ssize_t written = 0;
        do {
            written = ::write(file.get(), bytes.data(), bytes.size());
        } while (written < 0 && errno == EINTR);
        // A short write cannot be finished by a second one: another program's record may lie between.
        if (written != static_cast<ssize_t>(bytes.size())) {
            throw RuntimeError(vberr::DeviceIoError);
        }
    }
    if (!file.close()) {
        throw RuntimeError(vberr::DeviceIoError);
    }
}

} // namespace corvane::os
