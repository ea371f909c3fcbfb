#include "platform/linux/ActRegistration.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/RuntimeError.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <signal.h>

namespace corvane::platform::linux_desktop {

namespace {

constexpr const char* kNoteName = "corvane-actsim";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool processRuns(int64_t pid) {
    // Signal 0 only asks whether the process exists; EPERM means it does, under another user.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

ActRegistration::ActRegistration(std::string folder) : file_(joinPath(folder, kNoteName)) {}

std::string ActRegistration::userFolder() {
    if (std::string runtime = environment("XDG_RUNTIME_DIR"); !runtime.empty()) {
        return runtime;
    }
    if (std::string config = environment("XDG_CONFIG_HOME"); !config.empty()) {
        return config;
    }
    return joinPath(environment("HOME"), ".config");
}

void ActRegistration::publish(int64_t pid, const std::string& databasePath) {
    replaceFile(file_, std::to_string(pid) + "\n" + databasePath + "\n");
}

void ActRegistration::withdraw(int64_t pid) {
    if (auto note = read(); note && note->pid == pid) {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
    }
}

std::optional<std::string> ActRegistration::find() const {
    auto note = read();
    std::error_code ignored;
    if (!note || !processRuns(note->pid) || !std::filesystem::is_regular_file(note->databasePath, ignored)) {
        return std::nullopt;
    }
    return note->databasePath;
}

std::optional<ActRegistration::Note> ActRegistration::read() const {
    std::string text;
    try {
        text = readWholeFile(file_);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    const size_t firstEnd = text.find('\n');
    const size_t secondEnd = firstEnd == std::string::npos ? std::string::npos : text.find('\n', firstEnd + 1);
    if (secondEnd == std::string::npos || firstEnd == 0) {
        return std::nullopt;
    }
    Note note;
    char* end = nullptr;
    note.pid = std::strtoll(text.c_str(), &end, 10);
    if (end != text.c_str() + firstEnd) {
        return std::nullopt;
    }
    note.databasePath = text.substr(firstEnd + 1, secondEnd - firstEnd - 1);
    return note.databasePath.empty() ? std::nullopt : std::optional<Note>(note);
}

} // namespace corvane::platform::linux_desktop
