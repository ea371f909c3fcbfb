#include "common/IniSettingsStore.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/ProfileDocument.h"
#include "common/RuntimeError.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

namespace corvane {

IniSettingsStore::IniSettingsStore(std::string configFolder) : configFolder_(std::move(configFolder)) {}

IniSettingsStore IniSettingsStore::forCurrentUser() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        return IniSettingsStore(xdg);
    }
    const char* home = std::getenv("HOME");
    return IniSettingsStore(joinPath(home ? home : ".", ".config"));
}

std::string IniSettingsStore::fileOf(std::string_view app) const {
    return joinPath(joinPath(configFolder_, app), "settings.ini");
}

std::string IniSettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    const auto document = ProfileDocument::load(fileOf(app));
    const auto value = document.find(section, key);
    return std::string(value ? *value : defaultValue);
}

void IniSettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        throw RuntimeError(vberr::InvalidProcedureCall); // one line per setting
    }
    write(app, section, key, "\"" + std::string(value) + "\"");
}

void IniSettingsStore::Delete(std::string_view app, std::string_view section, std::string_view key) {
    write(app, section, key, std::nullopt);
}

void IniSettingsStore::write(std::string_view app, std::string_view section, std::string_view key,
                             std::optional<std::string> value) {
    const std::string file = fileOf(app);
    std::error_code ec;
    if (!value) {
        if (!std::filesystem::exists(file, ec)) {
            return;
        }
    } else {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    }
    updateFile(file, [&](std::optional<std::string> content) -> std::optional<std::string> {
        ProfileDocument document(std::move(content).value_or(std::string()));
        if (!document.set(section, key, value)) {
            return std::nullopt;
        }
        return std::string(document.bytes());
    });
}

} // namespace corvane
