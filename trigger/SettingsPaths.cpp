#include "trigger/SettingsPaths.h"

#include "common/FieldSettingsFile.h"
#include "common/Paths.h"
#include "common/Text.h"

namespace corvane::trigger::SettingsPaths {

namespace {
std::string defaultFolder(forms::App& app) {
    return joinPath(app.Path(), "Settings");
}
} // namespace

std::string listFolder(SettingsStore& settings, forms::App& app) {
    return settings.Get(kAppName, kSettingsSection, "ListPath", defaultFolder(app));
}

std::string usersFile(SettingsStore& settings, forms::App& app) {
    return settings.Get(kAppName, kSettingsSection, "UsersPath", joinPath(defaultFolder(app), "Users.dat"));
}

std::string fieldSettingsFile(SettingsStore& settings, forms::App& app, std::string_view genericName,
                              int16_t fieldNumber) {
    return fieldSettingsPath(listFolder(settings, app), genericName, text::decimal(fieldNumber));
}

} // namespace corvane::trigger::SettingsPaths
