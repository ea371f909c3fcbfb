#include "tests/win32programs/ProgramSettings.h"

#include "common/RuntimeError.h"
#include "common/SettingsStore.h"
#include "platform/win32/registry/RegistrySettingsStore.h"
#include "sim/win32/common/RegistryKey.h"

#include <cstdio>

namespace corvane::test {

namespace {
using sim::win32::RegistryKey;

std::string sectionKey() {
    return win32::RegistrySettingsStore::keyOf(kAppName, kSettingsSection);
}

/// Every string value of the section, by name.
std::vector<std::pair<std::string, std::string>> valuesOfSection() {
    std::vector<std::pair<std::string, std::string>> values;
    const RegistryKey key = RegistryKey::open(HKEY_CURRENT_USER, sectionKey());
    char name[256] = {};
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (!key ||
            RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return values;
        }
        if (const auto value = key.text(name)) {
            values.emplace_back(name, *value);
        }
    }
}

void replaceSection(const std::vector<std::pair<std::string, std::string>>& values) {
    sim::win32::removeRegistryTree(HKEY_CURRENT_USER, sectionKey());
    RegistryKey key = RegistryKey::create(HKEY_CURRENT_USER, sectionKey());
    for (const auto& [name, value] : values) {
        key.setText(name, value);
    }
}
} // namespace

ProgramSettings::ProgramSettings(const std::string& listPath, const std::string& usersPath)
    : before_(valuesOfSection()) {
    replaceSection({{"ListPath", listPath}, {"UsersPath", usersPath}});
}

ProgramSettings::~ProgramSettings() {
    try {
        replaceSection(before_);
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "The programs' settings could not be put back: %s\n", error.description().c_str());
    }
}

} // namespace corvane::test
