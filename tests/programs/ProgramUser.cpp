#include "tests/programs/ProgramUser.h"

#include "common/IniSettingsStore.h"
#include "common/Paths.h"
#include "common/SettingsStore.h"

#include <cstdlib>
#include <filesystem>

namespace corvane::test {

void prepareProgramUser(const TempDir& dir, const std::string& usersFile) {
    for (const char* sub : {"run", "Settings", "config/Corvane"}) {
        std::filesystem::create_directories(dir.path() / sub);
    }
    std::filesystem::permissions(dir.file("run"), std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", dir.file("run").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    IniSettingsStore settings(dir.file("config"));
    settings.Save(kAppName, kSettingsSection, "ListPath", dir.file("Settings"));
    settings.Save(kAppName, kSettingsSection, "UsersPath", joinPath(dir.file("Settings"), "Users.dat"));
    writeBytes(joinPath(dir.file("Settings"), "Users.dat"), usersFile);
}

} // namespace corvane::test
