// The write lock of a file on POSIX systems: flock on a companion file beside the target.
//
// flock rather than fcntl's record locks: a record lock belongs to the process, so closing any other
// descriptor of the file (a reader in the same program) would drop it, while a flock belongs to the
// open file and dies with it, also when the process is killed. Linux's NFS client carries flock to
// the server as a whole-file lock, so writers on other machines take turns too where the server
// keeps locks. The companion file is removed on release so that no file stays behind after a clean
// write; a writer that then still waits holds a lock on a file that has no name any more, which is
// why every lock is checked against the name after it is taken (and taken again on the new file).
// A killed writer leaves the companion file, unlocked: the next writer locks it, and removes it.
#include "common/FilePrimitives.h"

#include "common/PosixDescriptor.h"
#include "common/RuntimeError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

namespace corvane::os {
namespace {

// Waiters ask for the lock every millisecond (see below); a writer of this process that has just let
// go of a lock leaves them that millisecond before it asks again, or a program that writes key after
// key would keep the file to itself and the others would wait out their time.
constexpr std::chrono::milliseconds kTurn{2};
std::atomic<std::chrono::steady_clock::rep> lastRelease{0};

void giveWaitersTheirTurn() {
    const auto since = std::chrono::steady_clock::now() -
                       std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(lastRelease.load()));
    if (since < kTurn) {
        std::this_thread::sleep_for(kTurn - since);
    }
}

class CompanionFileLock : public WriteLock {
public:
    CompanionFileLock(std::string path, PosixDescriptor file) : path_(std::move(path)), file_(std::move(file)) {}
    // The name goes while the lock is still held, so that no one locks the file after its last holder.
    ~CompanionFileLock() override {
        ::unlink(path_.c_str());
        file_.close();
        lastRelease = std::chrono::steady_clock::now().time_since_epoch().count();
    }
    CompanionFileLock(const CompanionFileLock&) = delete;
    CompanionFileLock& operator=(const CompanionFileLock&) = delete;

private:
    std::string path_;
    PosixDescriptor file_;
};

int openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return vberr::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return vberr::PermissionDenied;
    default:
        return vberr::PathFileAccessError;
    }
}

bool stillNamedBy(const PosixDescriptor& file, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(file.get(), &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

std::unique_ptr<WriteLock> lockForWriting(const std::string& target) {
    const std::string path = target + std::string(kLockSuffix);
    giveWaitersTheirTurn();
    const auto deadline = std::chrono::steady_clock::now() + kWriteLockWait;
    // A writer holds the lock for some milliseconds, and the next one is whoever asks first after it
    // lets go: waiters ask every millisecond, so that none waits out its time while others come and go.
    for (;;) {
        // Read access is all that flock needs, so a companion file left by another user still serves.
        PosixDescriptor file(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
        if (!file.valid()) {
            throw RuntimeError(openFailure(errno));
        }
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0) {
            if (stillNamedBy(file, path)) {
                return std::make_unique<CompanionFileLock>(path, std::move(file));
            }
            continue; // its holder removed it on release: lock the file that has the name now
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            throw RuntimeError(vberr::PathFileAccessError); // no locks on this file system
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            throw RuntimeError(vberr::PermissionDenied); // another writer holds the file, as VB says of a locked one
        }
        file.close();
        std::this_thread::sleep_for(std::chrono::milliseconds{1});
    }
}

} // namespace corvane::os
