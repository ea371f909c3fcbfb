#include "tests/reliability/Leftovers.h"

#include "common/FileIo.h"
#include "common/FilePrimitives.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <vector>

namespace corvane::test {
namespace {

// The rests of the names of the files beside `target` whose names extend its name.
std::vector<std::string> restsOfNamesBeside(const std::string& target) {
    const std::filesystem::path path(target);
    const std::string name = path.filename().string();
    std::vector<std::string> rests;
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path())) {
        const std::string other = entry.path().filename().string();
        if (other.size() > name.size() && other.starts_with(name)) {
            rests.push_back(other.substr(name.size()));
        }
    }
    return rests;
}

} // namespace

Leftovers leftoversOf(const std::string& target) {
    Leftovers found;
    for (const std::string& rest : restsOfNamesBeside(target)) {
        if (isTemporarySuffix(rest)) {
            ++found.temporaries;
            found.temporaryBytes += std::filesystem::file_size(target + rest);
        } else if (rest == os::kLockSuffix) {
            ++found.locks;
        }
    }
    return found;
}

void ageLeftoversOf(const std::string& target, std::chrono::minutes by) {
    timespec then{};
    ::clock_gettime(CLOCK_REALTIME, &then);
    then.tv_sec -= static_cast<time_t>(std::chrono::seconds(by).count());
    const timespec times[2] = {then, then};
    for (const std::string& rest : restsOfNamesBeside(target)) {
        ::utimensat(AT_FDCWD, (target + rest).c_str(), times, 0);
    }
}

} // namespace corvane::test
