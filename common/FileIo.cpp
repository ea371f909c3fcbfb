#include "common/FileIo.h"

#include "common/FilePrimitives.h"
#include "common/RuntimeError.h"

#include <cstdio>
#include <random>
#include <utility>

namespace corvane {
namespace {

// The target's own name with a random suffix: it lies in the target's folder without the path being
// taken apart, and no two writers meet in it.
std::string temporaryNameFor(const std::string& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    return target + suffix;
}

} // namespace

std::string readWholeFile(const std::string& path) {
    return os::readAll(path);
}

std::optional<std::string> readFileIfPresent(const std::string& path) {
    try {
        return os::readAll(path);
    } catch (const RuntimeError& e) {
        if (e.number() == vberr::FileNotFound || e.number() == vberr::PathNotFound) {
            return std::nullopt;
        }
        throw;
    }
}

bool pathExists(const std::string& path) {
    return !path.empty() && os::exists(path);
}

void deleteFileIfPossible(const std::string& path) noexcept {
    os::remove(path);
}

AtomicFile::AtomicFile(std::string target)
    : target_(std::move(target)), temp_(temporaryNameFor(target_)), file_(os::createNew(temp_)) {}

AtomicFile::~AtomicFile() {
    discard();
}

void AtomicFile::write(std::string_view bytes) {
    if (!file_) {
        throw RuntimeError(vberr::DeviceIoError);
    }
    try {
        file_->write(bytes);
    } catch (const RuntimeError&) {
        discard();
        throw;
    }
}

void AtomicFile::commit() {
    if (!file_) {
        throw RuntimeError(vberr::DeviceIoError);
    }
    try {
        file_->close();
        file_.reset();
        os::moveOver(temp_, target_);
    } catch (const RuntimeError&) {
        discard();
        throw;
    }
    temp_.clear();
}

void AtomicFile::discard() noexcept {
    file_.reset();
    if (!temp_.empty()) {
        os::remove(temp_);
        temp_.clear();
    }
}

void replaceFile(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace corvane
