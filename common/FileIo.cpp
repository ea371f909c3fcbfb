#include "common/FileIo.h"

#include "common/RuntimeError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

namespace corvane {
namespace fs = std::filesystem;
namespace {

fs::path folderOf(const std::string& path) {
    fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool folderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(folderOf(path), ec);
}

std::string temporaryNameFor(const std::string& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const fs::path t(target);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
    return (folderOf(target) / ("." + t.filename().string() + "." + suffix + ".tmp")).string();
}

struct FileCloser {
    void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};

/// The VB error for a file that could not be opened for reading.
int openFailure(const std::string& path, int error) {
    const std::error_code code(error, std::generic_category());
    if (code == std::errc::no_such_file_or_directory || code == std::errc::not_a_directory) {
        return folderExists(path) ? vberr::FileNotFound : vberr::PathNotFound;
    }
    return vberr::PathFileAccessError;
}

} // namespace

std::string readWholeFile(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw RuntimeError(openFailure(path, errno));
    }
    // Read in one go at the size the file has now, then on until the end in case it grew.
    const auto expected = fs::file_size(path, ec);
    std::string content(ec ? 0 : static_cast<size_t>(expected), '\0');
    size_t got = std::fread(content.data(), 1, content.size(), file.get());
    content.resize(got);
    char buffer[65536];
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        throw RuntimeError(vberr::DeviceIoError);
    }
    return content;
}

std::optional<std::string> readFileIfPresent(const std::string& path) {
    try {
        return readWholeFile(path);
    } catch (const RuntimeError& e) {
        if (e.number() == vberr::FileNotFound || e.number() == vberr::PathNotFound) {
            return std::nullopt;
        }
        throw;
    }
}

bool pathExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
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

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    if (!folderExists(target_)) {
        throw RuntimeError(vberr::PathNotFound);
    }
    temp_ = temporaryNameFor(target_);
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
}

AtomicFile::~AtomicFile() {
    discard();
}

void AtomicFile::write(std::string_view bytes) {
    if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        discard();
        throw RuntimeError(vberr::DeviceIoError);
    }
}

void AtomicFile::commit() {
    const bool flushed = file_ && std::fflush(file_) == 0 && !std::ferror(file_);
    const bool closed = file_ && std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) {
        discard();
        throw RuntimeError(vberr::DeviceIoError);
    }
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec) {
        discard();
        throw RuntimeError(vberr::PathFileAccessError);
    }
    temp_.clear();
}

void AtomicFile::discard() noexcept {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ignored;
        fs::remove(temp_, ignored);
        temp_.clear();
    }
}

void replaceFile(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace corvane
