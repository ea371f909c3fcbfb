#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::string_view kAppName = "Corvane";
inline constexpr std::string_view kSettingsSection = "Settings";

/// Per-user string settings addressed by application, section and key, shared by both programs
/// (the registry on Windows, a file in the user's configuration folder on Linux). Every operation
/// may fail with a `RuntimeError`.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    /// The stored string, or `defaultValue` when the key is absent.
    virtual std::string Get(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view defaultValue) const = 0;
    /// Stores the value unchanged.
    virtual void Save(std::string_view app, std::string_view section, std::string_view key, std::string_view value) = 0;
    /// Removes the key; an absent key is no error.
    virtual void Delete(std::string_view app, std::string_view section, std::string_view key) = 0;
};

} // namespace corvane
