#include "common/SettingsPaths.h"

#include "common/Paths.h"

namespace corvane {

std::string defaultListPath(const std::string& programFolder) {
    return joinPath(programFolder, "Settings");
}

std::string defaultUsersPath(const std::string& programFolder) {
    return joinPath(defaultListPath(programFolder), "Users.dat");
}

std::string readListPath(const SettingsStore& settings, const std::string& programFolder) {
    return settings.Get(kAppName, kSettingsSection, "ListPath", defaultListPath(programFolder));
}

std::string readUsersPath(const SettingsStore& settings, const std::string& programFolder) {
    return settings.Get(kAppName, kSettingsSection, "UsersPath", defaultUsersPath(programFolder));
}

} // namespace corvane
