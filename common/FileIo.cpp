#include "common/FileIo.h"

#include "common/FilePrimitives.h"
#include "common/RuntimeError.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <utility>

namespace corvane {
namespace {

constexpr std::string_view kTemporaryStart = ".~";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr size_t kTemporaryDigits = 16;

// The target's own name, a random number and ".tmp": it lies in the target's folder without the path
// being taken apart, no two writers meet in it, and the target's later writers know it as one of its
// temporaries.
std::string temporaryNameFor(const std::string& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%s%016llx%s", kTemporaryStart.data(),
                  static_cast<unsigned long long>(random()), kTemporaryEnd.data());
    return target + suffix;
}

// Runs under the target's write lock, so that no live writer of this machine is between making its
// temporary and renaming it. A failure to remove one leaves it for the next writer and never fails
// this write.
void removeStaleTemporaries(const std::string& target) noexcept {
    try {
        for (const os::NameExtension& file : os::filesExtending(target)) {
            if (isTemporarySuffix(file.suffix) && file.age >= kStaleTemporaryAge) {
                os::remove(target + file.suffix);
            }
        }
    } catch (...) {
        // listing needs memory; without it the leftovers simply wait for the next writer
    }
}

} // namespace

bool isTemporarySuffix(std::string_view suffix) noexcept {
    if (suffix.size() != kTemporaryStart.size() + kTemporaryDigits + kTemporaryEnd.size() ||
        !suffix.starts_with(kTemporaryStart) || !suffix.ends_with(kTemporaryEnd)) {
        return false;
    }
    const std::string_view digits = suffix.substr(kTemporaryStart.size(), kTemporaryDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

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

AtomicFile::Locked AtomicFile::lockTarget(const std::string& path) {
    Locked locked{os::writeTarget(path), nullptr};
    locked.lock = os::lockForWriting(locked.target);
    removeStaleTemporaries(locked.target);
    return locked;
}

AtomicFile::AtomicFile(const std::string& path) : AtomicFile(lockTarget(path)) {}

AtomicFile::AtomicFile(Locked locked)
    : target_(std::move(locked.target)), lock_(std::move(locked.lock)), temp_(temporaryNameFor(target_)),
      file_(os::createReplacement(temp_, target_)) {}

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
        os::replace(temp_, target_);
    } catch (const RuntimeError&) {
        discard();
        throw;
    }
    temp_.clear();
    lock_.reset();
}

void AtomicFile::discard() noexcept {
    file_.reset();
    if (!temp_.empty()) {
        os::remove(temp_);
        temp_.clear();
    }
    lock_.reset();
}

void replaceFile(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

void updateFile(const std::string& path, const FileChange& change) {
    AtomicFile::Locked locked = AtomicFile::lockTarget(path);
    const std::optional<std::string> content = change(readFileIfPresent(locked.target));
    if (content) {
        AtomicFile file(std::move(locked));
        file.write(*content);
        file.commit();
    }
}

} // namespace corvane
