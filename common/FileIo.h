#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

namespace os {
class NewFile;
class WriteLock;
} // namespace os

/// A change of a file's content for `updateFile`.
using FileChange = std::function<std::optional<std::string>(std::optional<std::string> content)>;

/// Whole content of a regular file. Fails with VB's errors: 76 when its folder is missing, 53 when
/// the file is, 75 when it cannot be read or is no regular file (a folder, a named pipe or a device
/// in its place fails at once, never waits). A file being replaced reads whole, old or new.
std::string readWholeFile(const std::string& path);

/// Whole content of a file, or nothing when the file or its folder is missing. A file that is there
/// but cannot be read fails as in `readWholeFile`.
std::optional<std::string> readFileIfPresent(const std::string& path);

/// Whether a file or folder of that name exists; an empty path, an invalid name and a missing share
/// or drive name nothing. Fails with 75 when that cannot be told (a loop of links, a folder on the
/// way that may not be entered, a failing network): such a path may well exist.
bool pathExists(const std::string& path);

/// Deletes a file if it can; a file that is missing, in use or protected stays as it is, silently.
void deleteFileIfPossible(const std::string& path) noexcept;

/// Replaces a file without ever leaving it half written: the bytes go to a temporary file in the
/// target's folder (named after the target: "Users.dat.~<16 hex digits>.tmp"), which is put on the
/// disk and then renamed over the target in one step. If the writer fails or is killed before
/// `commit`, the old file stays as it was. The folder must exist (76 "Path not found" otherwise);
/// nothing creates it.
///
/// Writers of one file take turns: from its creation to its end an `AtomicFile` holds the file's
/// write lock (`os::lockForWriting`: 70 after five seconds of waiting for another writer). Readers
/// never wait for it. A write goes where the path's symbolic links lead, keeps what identifies the
/// target to its users (its permissions, and its owner and group where the system allows it; on
/// Windows its attributes, creation time and access control list), and is refused (70) for a target
/// that is read-only to this writer. Temporaries of the same target that killed writers left behind are
/// removed on the way once they are `kStaleTemporaryAge` old. While another program holds the target
/// open (on Windows), the rename is retried for about two seconds before it fails with 75.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    /// Flushes the bytes to the disk and puts them in place of the target.
    void commit();

private:
    struct Locked {
        std::string target;
        std::unique_ptr<os::WriteLock> lock;
    };
    static Locked lockTarget(const std::string& path);
    explicit AtomicFile(Locked locked);
    void discard() noexcept;

    friend void updateFile(const std::string& path, const FileChange& change);

    std::string target_;
    std::unique_ptr<os::WriteLock> lock_;
    std::string temp_;
    std::unique_ptr<os::NewFile> file_;
};

/// How old a temporary left beside its target must be before a writer of that target removes it.
/// Every writer of a file holds its write lock from making its temporary to renaming it, so a
/// temporary found under the lock belongs to a dead writer; the age guards where the lock does not
/// reach (a file system that shares no locks between machines). A live writer writes its temporary
/// (a settings file of some kilobytes) and renames it within a second or two, and the clocks of the
/// machines that share a folder agree far better than five minutes.
inline constexpr std::chrono::minutes kStaleTemporaryAge{5};

/// Whether a name is that of a temporary of `target`'s writers, given the rest of its name after
/// the target's.
bool isTemporarySuffix(std::string_view suffix) noexcept;

/// Replaces a file's whole content atomically (see `AtomicFile`).
void replaceFile(const std::string& path, std::string_view bytes);

/// Reads, changes and replaces a file as one step among its writers, so that no writer's change is
/// lost to another's: the file's write lock is held from the read to the rename (see `AtomicFile`).
/// `change` is given the content (nothing when the file is missing) and returns the new content, or
/// nothing to leave the file as it is; what it throws ends the update with the file unchanged.
void updateFile(const std::string& path, const FileChange& change);

} // namespace corvane
