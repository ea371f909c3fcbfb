// The file primitives on POSIX and the standard library, for systems whose paths are the bytes the
// programs hold (Linux). The write lock is in PosixWriteLock.cpp.
#include "common/FilePrimitives.h"

#include "common/PosixDescriptor.h"
#include "common/RuntimeError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

namespace corvane::os {
namespace fs = std::filesystem;
namespace {

// As many links as the system itself follows before it calls the chain a loop.
constexpr int kMaxLinks = 40;

bool folderOfExists(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    return fs::is_directory(folder.empty() ? fs::path(".") : folder, ec);
}

std::string folderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

bool isMissing(int error) {
    return error == ENOENT || error == ENOTDIR;
}

class PosixNewFile : public NewFile {
public:
    explicit PosixNewFile(PosixDescriptor file) : file_(std::move(file)) {}

    void write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(file_.get(), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                throw RuntimeError(errno == ENOSPC || errno == EDQUOT ? vberr::DiskFull : vberr::DeviceIoError);
            }
            bytes.remove_prefix(static_cast<size_t>(written));
        }
    }

    // fsync rather than fdatasync: the permissions and owner given to the file must last too.
    void close() override {
        const bool synced = ::fsync(file_.get()) == 0;
        if (!file_.close() || !synced) {
            throw RuntimeError(vberr::DeviceIoError);
        }
    }

private:
    PosixDescriptor file_;
};

// A file that nobody may write is read-only to everyone, the superuser included (as the read-only
// attribute is on Windows), and one that this writer may not write is read-only to it.
bool readOnlyToThisWriter(const std::string& target, const struct stat& status) {
    return (status.st_mode & 0222) == 0 ||
           (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EPERM));
}

// Gives the new file the target's owner, group and permissions. Only the superuser may give a file
// away, and others only to a group they belong to: a writer that cannot keep the group gives its own
// group no more than everybody else had, since its members were among everybody else before.
void takeIdentityOf(const PosixDescriptor& file, const struct stat& target) {
    mode_t mode = target.st_mode & 0777;
    if (::fchown(file.get(), target.st_uid, target.st_gid) != 0 &&
        ::fchown(file.get(), static_cast<uid_t>(-1), target.st_gid) != 0) {
        mode = (mode & ~mode_t{0070}) | ((mode & 0007) << 3);
    }
    if (::fchmod(file.get(), mode) != 0) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
}

} // namespace

std::string readAll(const std::string& path) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    PosixDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        if (isMissing(errno)) {
            throw RuntimeError(folderOfExists(path) ? vberr::FileNotFound : vberr::PathNotFound);
        }
        throw RuntimeError(vberr::PathFileAccessError);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    std::string content;
    content.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw RuntimeError(vberr::DeviceIoError);
        }
        if (got == 0) {
            return content;
        }
        content.append(buffer, static_cast<size_t>(got));
    }
}

bool exists(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        return false;
    }
    if (ec) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    return true;
}

std::string writeTarget(const std::string& path) {
    std::string current = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            return current;
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            throw RuntimeError(vberr::PathFileAccessError);
        }
        current = next.is_absolute() ? next.string() : (fs::path(current).parent_path() / next).string();
    }
    throw RuntimeError(vberr::PathFileAccessError);
}

std::unique_ptr<NewFile> createReplacement(const std::string& path, const std::string& target) {
    struct stat status {};
    const bool replacing = ::stat(target.c_str(), &status) == 0;
    if (replacing && !S_ISREG(status.st_mode)) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    if (replacing && readOnlyToThisWriter(target, status)) {
        throw RuntimeError(vberr::PermissionDenied);
    }
    // A replacement starts private and gets the target's rights once it has the target's owner.
    PosixDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666));
    if (!file.valid()) {
        throw RuntimeError(isMissing(errno) ? vberr::PathNotFound : vberr::PathFileAccessError);
    }
    if (replacing) {
        try {
            takeIdentityOf(file, status);
        } catch (const RuntimeError&) {
            ::unlink(path.c_str());
            throw;
        }
    }
    return std::make_unique<PosixNewFile>(std::move(file));
}

void replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    // The new name is on the disk only once the folder is. A file system that cannot sync folders
    // says so with EINVAL; it keeps names by other means.
    const PosixDescriptor folder(::open(folderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid() && ::fsync(folder.get()) != 0 && errno != EINVAL) {
        throw RuntimeError(vberr::DeviceIoError);
    }
}

void remove(const std::string& path) noexcept {
    std::error_code ignored;
    if (!fs::is_directory(path, ignored)) {
        fs::remove(path, ignored);
    }
}

std::vector<NameExtension> filesExtending(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    std::vector<NameExtension> found;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(path), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string other = it->path().filename().string();
        struct stat status {};
        if (other.size() <= name.size() || !other.starts_with(name) || ::lstat(it->path().c_str(), &status) != 0) {
            continue;
        }
        const auto age = std::chrono::seconds{now.tv_sec - status.st_mtim.tv_sec};
        found.push_back({other.substr(name.size()), std::max(age, std::chrono::seconds{0})});
    }
    return found;
}

} // namespace corvane::os
