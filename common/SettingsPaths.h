#pragma once

#include "common/SettingsStore.h"

#include <string>

namespace corvane {

/// The settings folder's default: the program's folder followed by "Settings".
std::string defaultListPath(const std::string& programFolder);
/// The users file's default: the settings folder's default followed by "Users.dat".
std::string defaultUsersPath(const std::string& programFolder);

/// "ListPath" as stored, or its default; the value is taken as it is, never checked.
std::string readListPath(const SettingsStore& settings, const std::string& programFolder);
/// "UsersPath" as stored, or its default.
std::string readUsersPath(const SettingsStore& settings, const std::string& programFolder);

} // namespace corvane
