#include "sim/win32/common/RegistryKey.h"

#include "common/RuntimeError.h"

#include <utility>

namespace corvane::sim::win32 {

namespace {
void check(LSTATUS status) {
    if (status != ERROR_SUCCESS) {
        throw RuntimeError(status == ERROR_ACCESS_DENIED ? vberr::PermissionDenied : vberr::InvalidProcedureCall);
    }
}
} // namespace

RegistryKey::~RegistryKey() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
    }
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

RegistryKey RegistryKey::open(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {};
    }
    return RegistryKey(key);
}

RegistryKey RegistryKey::create(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    check(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr));
    return RegistryKey(key);
}

void RegistryKey::setText(const std::string& name, const std::string& value) {
    check(RegSetValueExA(key_, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1)));
}

void RegistryKey::setNumber(const std::string& name, DWORD value) {
    check(RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value));
}

std::optional<std::string> RegistryKey::text(const std::string& name) const {
    const char* valueName = name.empty() ? nullptr : name.c_str();
    DWORD type = 0;
    DWORD size = 0;
    if (key_ == nullptr || RegQueryValueExA(key_, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    std::string value(size, '\0');
    if (RegQueryValueExA(key_, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    value.resize(size);
    return value.substr(0, value.find('\0'));
}

std::optional<DWORD> RegistryKey::number(const std::string& name) const {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (key_ == nullptr ||
        RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return value;
}

void removeRegistryTree(HKEY root, const std::string& path) {
    const LSTATUS status = RegDeleteTreeA(root, path.c_str());
    if (status != ERROR_FILE_NOT_FOUND) {
        check(status);
    }
}

} // namespace corvane::sim::win32
