#pragma once

#include "common/SettingsStore.h"

#include <optional>
#include <string>

namespace corvane {

/// Per-user settings in INI files: one file "settings.ini" in a folder named after the application
/// inside the user's configuration folder, sections and keys as given. Values are stored quoted, so
/// blanks around them survive. Every write replaces the file atomically.
class IniSettingsStore : public SettingsStore {
public:
    /// `configFolder` holds one folder per application; it is created when first written.
    explicit IniSettingsStore(std::string configFolder);

    /// The store in the current user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
    static IniSettingsStore forCurrentUser();

    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override;
    void Save(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view app, std::string_view section, std::string_view key) override;

    std::string fileOf(std::string_view app) const;

private:
    void write(std::string_view app, std::string_view section, std::string_view key, std::optional<std::string> value);

    std::string configFolder_;
};

} // namespace corvane
