#include "platform/win32/registry/RegistrySettingsStore.h"

#include "common/RuntimeError.h"

#include <windows.h>

#include <optional>

namespace corvane::win32 {
namespace {

/// Owns an open registry key and closes it once; never copied.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const noexcept { return key_; }
    /// Where a registry function puts the key it opens.
    HKEY* receiver() noexcept { return &key_; }

private:
    HKEY key_ = nullptr;
};

void check(LSTATUS status) {
    if (status != ERROR_SUCCESS) {
        throw RuntimeError(status == ERROR_ACCESS_DENIED ? vberr::PermissionDenied : vberr::InvalidProcedureCall);
    }
}

// The string a value holds, up to its terminating NUL; nothing when the value is absent or no string.
std::optional<std::string> readString(HKEY key, const std::string& name) {
    for (;;) {
        DWORD type = 0;
        DWORD size = 0;
        LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (status == ERROR_FILE_NOT_FOUND || (status == ERROR_SUCCESS && type != REG_SZ)) {
            return std::nullopt;
        }
        check(status);
        std::string data(size, '\0');
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_MORE_DATA) {
            continue; // it grew since its size was asked
        }
        if (status == ERROR_FILE_NOT_FOUND || (status == ERROR_SUCCESS && type != REG_SZ)) {
            return std::nullopt;
        }
        check(status);
        data.resize(size);
        return data.substr(0, data.find('\0'));
    }
}

} // namespace

std::string RegistrySettingsStore::keyOf(std::string_view app, std::string_view section) {
    std::string key = R"(Software\VB and VBA Program Settings\)";
    key += app;
    key += '\\';
    key += section;
    return key;
}

std::string RegistrySettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    RegistryKey sectionKey;
    const LSTATUS opened =
        RegOpenKeyExA(HKEY_CURRENT_USER, keyOf(app, section).c_str(), 0, KEY_QUERY_VALUE, sectionKey.receiver());
    if (opened == ERROR_FILE_NOT_FOUND) {
        return std::string(defaultValue);
    }
    check(opened);
    return readString(sectionKey.get(), std::string(key)).value_or(std::string(defaultValue));
}

void RegistrySettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                                 std::string_view value) {
    RegistryKey sectionKey;
    check(RegCreateKeyExA(HKEY_CURRENT_USER, keyOf(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, sectionKey.receiver(), nullptr));
    const std::string data(value);
    check(RegSetValueExA(sectionKey.get(), std::string(key).c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1)));
}

void RegistrySettingsStore::Delete(std::string_view app, std::string_view section, std::string_view key) {
    RegistryKey sectionKey;
    const LSTATUS opened =
        RegOpenKeyExA(HKEY_CURRENT_USER, keyOf(app, section).c_str(), 0, KEY_SET_VALUE, sectionKey.receiver());
    if (opened == ERROR_FILE_NOT_FOUND) {
        return;
    }
    check(opened);
    const LSTATUS deleted = RegDeleteValueA(sectionKey.get(), std::string(key).c_str());
    if (deleted != ERROR_FILE_NOT_FOUND) {
        check(deleted);
    }
}

} // namespace corvane::win32
