#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// The operating system's file operations under `FileIo`, which is what system code uses. Each
/// platform implements them once: POSIX and the standard library (common/PortableFilePrimitives.cpp)
/// or the Windows API on the system's ANSI paths (platform/win32/files/), chosen in
/// common/CMakeLists.txt. Failures throw `RuntimeError` with VB's file error numbers.
namespace corvane::os {

/// Whole content of a regular file: 53 when it is missing, 76 when its folder is, 75 when it cannot
/// be opened or is no regular file (a folder, a named pipe, a device: opening one never waits), 57
/// when reading fails.
std::string readAll(const std::string& path);

/// Whether a file or folder of that name exists (never asked for ""): false for a missing file or
/// folder, an invalid name, a missing share or drive; 75 when that cannot be told.
bool exists(const std::string& path);

/// The file that a write of `path` replaces: where its chain of symbolic links ends (a link stays
/// a link, and the file it leads to changes), or the path itself. 75 for a loop of links.
std::string writeTarget(const std::string& path);

/// The right to replace one file, held by one writer at a time across processes until destroyed.
/// A writer that dies gives it up with its process.
class WriteLock {
public:
    virtual ~WriteLock() = default;
};

/// How long `lockForWriting` waits for another writer of the same file.
inline constexpr std::chrono::seconds kWriteLockWait{5};

/// Takes the right to replace `target` (through a companion file beside it, whose name is the
/// target's followed by `kLockSuffix`, gone again when the lock is given up); waits while another
/// writer holds it, and after `kWriteLockWait` fails with 70. 76 when the folder is missing, 70 when
/// the writer may not make files there, 75 when the lock cannot be taken otherwise.
std::unique_ptr<WriteLock> lockForWriting(const std::string& target);

/// What the companion file of `lockForWriting` adds to the target's name.
inline constexpr std::string_view kLockSuffix = ".lock";

/// A file made for writing, seen by no reader until it replaces its target.
class NewFile {
public:
    virtual ~NewFile() = default;
    /// Appends bytes; 57 when they cannot be written, 61 when the disk is full.
    virtual void write(std::string_view bytes) = 0;
    /// Puts every byte on the disk itself (not just into the system's cache) and closes the file;
    /// 57 when that fails.
    virtual void close() = 0;
};

/// Makes the file `path` (which must not exist yet) that is to replace `target`, with what
/// identifies the target to its users as far as the system lets this writer keep it (see the
/// platform's implementation). 70 when the target is read-only to this writer, 75 when it is no
/// regular file or `path` cannot be made, 76 when the folder is missing.
std::unique_ptr<NewFile> createReplacement(const std::string& path, const std::string& target);

/// Puts `from` in place of `to` in one step, so that a reader finds either the old file or the new
/// one, and makes the change last through a crash of the system; 75 when it cannot. Both lie in one
/// folder.
void replace(const std::string& from, const std::string& to);

/// Deletes a file if it can; a folder, a missing file or one in use or protected stays as it is.
void remove(const std::string& path) noexcept;

/// Adds bytes at the end of a file in one write, so that what several programs append at once never
/// interleaves; a file that is empty or new gets `header` first, in the same write. Makes the file
/// when it is missing, never its folder: 76 when the folder is missing, 75 when the file cannot be
/// opened for appending, 57 when the bytes are not all written.
void appendWhole(const std::string& path, std::string_view header, std::string_view bytes);

/// A file whose name extends another's: the rest of its name and how long ago it was last written.
struct NameExtension {
    std::string suffix;
    std::chrono::seconds age;
};

/// The files beside `path` whose names are its name followed by something more; nothing when the
/// folder cannot be listed.
std::vector<NameExtension> filesExtending(const std::string& path);

} // namespace corvane::os
