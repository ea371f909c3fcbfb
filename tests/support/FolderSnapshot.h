#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {

/// Everything in one folder (not below it), to assert that a run wrote nothing it should not have:
/// each regular file's bytes, and the kind of anything else ("<folder>", "<fifo>", "<other>").
/// A program's temporary files are entries too, so one left behind shows as a difference.
class FolderSnapshot {
public:
    explicit FolderSnapshot(const std::filesystem::path& folder);

    bool operator==(const FolderSnapshot&) const = default;

    /// The entry of one name, "<missing>" when there is none.
    const std::string& entry(const std::string& name) const;
    /// Names whose entries differ between the two snapshots.
    std::vector<std::string> differences(const FolderSnapshot& other) const;

private:
    std::map<std::string, std::string> entries_;
};

} // namespace corvane::test
