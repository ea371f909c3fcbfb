#pragma once

#include <filesystem>
#include <string>

namespace corvane::test {

/// A fresh folder for one test, removed with everything in it when the test ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// Path of a file (or folder) inside, as a string.
    std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

/// Whole content of a file as bytes ("" when it cannot be read).
std::string readBytes(const std::filesystem::path& file);
/// Writes the bytes as the whole content of a file.
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

} // namespace corvane::test
