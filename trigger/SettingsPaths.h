#pragma once

#include "common/SettingsStore.h"
#include "forms/App.h"

#include <cstdint>
#include <string>
#include <string_view>

/// Where the trigger finds its settings files. The settings are read afresh for every path, so a
/// location changed in the administration tool holds from the next read on.
namespace corvane::trigger::SettingsPaths {

/// "UsersPath", by default the program's folder followed by "Settings" and "Users.dat".
std::string usersFile(SettingsStore& settings, forms::App& app);

/// The settings file of a field of the database with that generic name ("Settings/Sales12.dat").
std::string fieldSettingsFile(SettingsStore& settings, forms::App& app, std::string_view genericName,
                              int16_t fieldNumber);

} // namespace corvane::trigger::SettingsPaths
