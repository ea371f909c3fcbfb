#pragma once

#include <memory>
#include <string>
#include <string_view>

/// The operating system's file operations under `FileIo`, which is what system code uses. Each
/// platform implements them once: the standard library's (common/PortableFilePrimitives.cpp) or the
/// Windows API on the system's ANSI paths (platform/win32/files/), chosen in common/CMakeLists.txt.
/// Failures throw `RuntimeError` with VB's file error numbers.
namespace corvane::os {

/// Whole content of a file: 53 when it is missing, 76 when its folder is, 75 when it cannot be
/// opened (also a folder in its place), 57 when reading fails.
std::string readAll(const std::string& path);

/// Whether a file or folder of that name exists (never asked for ""): false for a missing file or
/// folder, an invalid name, a missing share or drive; 75 when that cannot be told.
bool exists(const std::string& path);

/// A file made for writing, seen by no reader until it is renamed into place.
class NewFile {
public:
    virtual ~NewFile() = default;
    /// Appends bytes; 57 when they cannot be written.
    virtual void write(std::string_view bytes) = 0;
    /// Puts every byte on the disk and closes the file; 57 when that fails.
    virtual void close() = 0;
};

/// Makes a file that must not exist yet: 76 when its folder is missing, 75 when it cannot be made.
std::unique_ptr<NewFile> createNew(const std::string& path);

/// Renames `from` over `to` in one step, so that a reader finds either the old file or the new one;
/// 75 when it cannot. Both lie in one folder.
void moveOver(const std::string& from, const std::string& to);

/// Deletes a file if it can; a folder, a missing file or one in use or protected stays as it is.
void remove(const std::string& path) noexcept;

/// Adds bytes at the end of a file in one write, so that what several programs append at once never
/// interleaves; a file that is empty or new gets `header` first, in the same write. Makes the file
/// when it is missing, never its folder: 76 when the folder is missing, 75 when the file cannot be
/// opened for appending, 57 when the bytes are not all written.
void appendWhole(const std::string& path, std::string_view header, std::string_view bytes);

} // namespace corvane::os
