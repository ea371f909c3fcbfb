#pragma once

#include "common/SettingsStore.h"

#include <string>
#include <string_view>

namespace corvane::win32 {

/// Per-user settings where classic VB programs keep theirs with GetSetting and SaveSetting, so that
/// an installation keeps the settings it has: string values (REG_SZ) under
/// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>. Names and values are the
/// system's ANSI bytes. A value of another type reads as absent. A failure raises 70 "Permission
/// denied" when the registry refuses access, 5 "Invalid procedure call or argument" otherwise.
class RegistrySettingsStore : public SettingsStore {
public:
    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override;
    /// Creates the section's key as needed.
    void Save(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view app, std::string_view section, std::string_view key) override;

    /// The section's key below HKEY_CURRENT_USER.
    static std::string keyOf(std::string_view app, std::string_view section);
};

} // namespace corvane::win32
