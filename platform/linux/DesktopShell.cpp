#include "platform/linux/DesktopShell.h"

#include "common/Paths.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane::platform::linux_desktop {

namespace {

bool isAddress(const std::string& file) {
    const size_t colon = file.find("://");
    return colon != std::string::npos && colon > 0 &&
           std::all_of(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(colon),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

bool isDatabase(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return extension == ".dbf";
}

} // namespace

DesktopShell::DesktopShell(std::string actsim, std::string opener)
    : actsim_(std::move(actsim)), opener_(std::move(opener)) {}

std::string DesktopShell::target(const forms::ShellRequest& request) {
    if (isAddress(request.file) || request.file.starts_with("/") || request.directory.empty()) {
        return request.file;
    }
    return joinPath(request.directory, request.file);
}

int32_t DesktopShell::ShellExecuteA(const forms::ShellRequest& request) {
    if (request.verb != "open" || request.file.empty()) {
        return kNoAssociation;
    }
    const std::string file = target(request);
    if (!isAddress(file)) {
        std::error_code ignored;
        if (!std::filesystem::exists(file, ignored)) {
            return kFileNotFound;
        }
    }
    const bool started = isDatabase(file) ? startDetached(actsim_, {file}) : startDetached(opener_, {file});
    return started ? kStarted : kNoAssociation;
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    // The exec status travels through a pipe that closes on a successful exec.
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        // The middle process starts the program in a session of its own and ends at once, so the
        // program is nobody's child to wait for.
        ::setsid();
        if (::fork() == 0) {
            ::execvp(argv[0], argv.data());
            const char failed = 1;
            [[maybe_unused]] auto written = ::write(status[1], &failed, 1);
            ::_exit(127);
        }
        ::_exit(0);
    }
    ::close(status[1]);
    bool started = child > 0;
    if (started) {
        int ignored = 0;
        ::waitpid(child, &ignored, 0);
        char failed = 0;
        started = ::read(status[0], &failed, 1) == 0;
    }
    ::close(status[0]);
    return started;
}

} // namespace corvane::platform::linux_desktop
