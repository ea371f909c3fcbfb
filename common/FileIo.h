#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

namespace os {
class NewFile;
}

/// Whole content of a file. Fails with VB's errors: 76 when its folder is missing, 53 when the
/// file is, 75 when it cannot be read (also when a folder stands in its place). A file being
/// replaced reads whole, old or new.
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
/// same folder, which is then renamed over the target in one step. If the writer fails or is killed
/// before `commit`, the old file stays as it was. The folder must exist (76 "Path not found"
/// otherwise); nothing creates it. While another program holds the target open (on Windows), the
/// rename is retried for about two seconds before it fails with 75.
class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    /// Flushes the bytes and puts them in place of the target.
    void commit();

private:
    void discard() noexcept;

    std::string target_;
    std::string temp_;
    std::unique_ptr<os::NewFile> file_;
};

/// Replaces a file's whole content atomically (see `AtomicFile`).
void replaceFile(const std::string& path, std::string_view bytes);

} // namespace corvane
