#include "common/MemorySettingsStore.h"

#include <algorithm>
#include <cctype>

namespace corvane {
namespace {

std::string folded(std::string_view s) {
    std::string result(s);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return result;
}

} // namespace

MemorySettingsStore::Key MemorySettingsStore::keyOf(std::string_view app, std::string_view section,
                                                    std::string_view key) {
    return {folded(app), folded(section), folded(key)};
}

std::string MemorySettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const auto found = values_.find(keyOf(app, section, key));
    return found == values_.end() ? std::string(defaultValue) : found->second;
}

void MemorySettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                               std::string_view value) {
    values_[keyOf(app, section, key)] = std::string(value);
}

void MemorySettingsStore::Delete(std::string_view app, std::string_view section, std::string_view key) {
    values_.erase(keyOf(app, section, key));
}

std::optional<std::string> MemorySettingsStore::stored(std::string_view key) const {
    const auto found = values_.find(keyOf(kAppName, kSettingsSection, key));
    return found == values_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

} // namespace corvane
