#pragma once

#include "common/SettingsStore.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace corvane {

/// Settings kept in memory, for tests; names match without regard to case, as in the real stores.
class MemorySettingsStore : public SettingsStore {
public:
    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override;
    void Save(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view app, std::string_view section, std::string_view key) override;

    /// The stored value of a "Corvane"/"Settings" key, for assertions.
    std::optional<std::string> stored(std::string_view key) const;

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    static Key keyOf(std::string_view app, std::string_view section, std::string_view key);

    std::map<Key, std::string> values_;
};

} // namespace corvane
