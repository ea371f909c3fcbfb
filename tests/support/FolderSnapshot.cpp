#include "tests/support/FolderSnapshot.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

namespace corvane::test {

namespace {

/// The whole file in one read: a test compares files of 50 MB.
std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::string kindOf(const std::filesystem::directory_entry& item) {
    std::error_code error;
    // The status of the link itself: a FIFO must never be opened here, it would block.
    const auto status = item.symlink_status(error);
    if (std::filesystem::is_regular_file(status)) {
        return contentOf(item.path());
    }
    if (std::filesystem::is_directory(status)) {
        return "<folder>";
    }
    return std::filesystem::is_fifo(status) ? "<fifo>" : "<other>";
}

} // namespace

FolderSnapshot::FolderSnapshot(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        entries_[item.path().filename().string()] = kindOf(item);
    }
}

const std::string& FolderSnapshot::entry(const std::string& name) const {
    static const std::string missing = "<missing>";
    const auto found = entries_.find(name);
    return found == entries_.end() ? missing : found->second;
}

std::vector<std::string> FolderSnapshot::differences(const FolderSnapshot& other) const {
    std::set<std::string> names;
    for (const auto& [name, content] : entries_) {
        names.insert(name);
    }
    for (const auto& [name, content] : other.entries_) {
        names.insert(name);
    }
    std::vector<std::string> changed;
    std::copy_if(names.begin(), names.end(), std::back_inserter(changed),
                 [&](const std::string& name) { return entry(name) != other.entry(name); });
    return changed;
}

} // namespace corvane::test
