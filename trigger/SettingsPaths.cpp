#include "trigger/SettingsPaths.h"

#include "common/FieldSettingsFile.h"
#include "common/SettingsPaths.h"
#include "common/Text.h"

namespace corvane::trigger::SettingsPaths {

std::string usersFile(SettingsStore& settings, forms::App& app) {
    return readUsersPath(settings, app.Path());
}

std::string fieldSettingsFile(SettingsStore& settings, forms::App& app, std::string_view genericName,
                              int16_t fieldNumber) {
    return fieldSettingsPath(readListPath(settings, app.Path()), genericName, text::decimal(fieldNumber));
}

} // namespace corvane::trigger::SettingsPaths
