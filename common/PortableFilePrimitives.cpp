// The file primitives on the standard library, for systems whose paths are the bytes the programs
// hold (Linux).
#include "common/FilePrimitives.h"

#include "common/RuntimeError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

namespace corvane::os {
namespace fs = std::filesystem;
namespace {

bool folderOfExists(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    return fs::is_directory(folder.empty() ? fs::path(".") : folder, ec);
}

bool isMissing(int error) {
    const std::error_code code(error, std::generic_category());
    return code == std::errc::no_such_file_or_directory || code == std::errc::not_a_directory;
}

struct FileCloser {
    void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class StdioFile : public NewFile {
public:
    explicit StdioFile(FilePtr file) : file_(std::move(file)) {}

    void write(std::string_view bytes) override {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
            throw RuntimeError(vberr::DeviceIoError);
        }
    }

    void close() override {
        const bool flushed = std::fflush(file_.get()) == 0 && !std::ferror(file_.get());
        const bool closed = std::fclose(file_.release()) == 0;
        if (!flushed || !closed) {
            throw RuntimeError(vberr::DeviceIoError);
        }
    }

private:
    FilePtr file_;
};

} // namespace

std::string readAll(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        if (isMissing(errno)) {
            throw RuntimeError(folderOfExists(path) ? vberr::FileNotFound : vberr::PathNotFound);
        }
        throw RuntimeError(vberr::PathFileAccessError);
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

std::unique_ptr<NewFile> createNew(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "wbx"));
    if (!file) {
        throw RuntimeError(isMissing(errno) ? vberr::PathNotFound : vberr::PathFileAccessError);
    }
    return std::make_unique<StdioFile>(std::move(file));
}

void moveOver(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) {
        throw RuntimeError(vberr::PathFileAccessError);
    }
}

void remove(const std::string& path) noexcept {
    std::error_code ignored;
    if (!fs::is_directory(path, ignored)) {
        fs::remove(path, ignored);
    }
}

} // namespace corvane::os
