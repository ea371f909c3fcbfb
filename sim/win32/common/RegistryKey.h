#pragma once

#include "platform/win32/ui/WinApi.h"

#include <optional>
#include <string>

namespace corvane::sim::win32 {

/// An open registry key, closed once; moved, never copied. Names and values are the system's ANSI
/// bytes. A failed write raises 70 "Permission denied" when the registry refuses access, else 5.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    /// The key for reading, or an empty one when it is not there.
    static RegistryKey open(HKEY root, const std::string& path);
    /// The key for writing, made with the keys above it as needed.
    static RegistryKey create(HKEY root, const std::string& path);

    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

    /// Sets a string value; the empty name is the key's default value.
    void setText(const std::string& name, const std::string& value);
    void setNumber(const std::string& name, DWORD value);
    /// A string value, or nothing when it is absent or of another type.
    std::optional<std::string> text(const std::string& name) const;
    std::optional<DWORD> number(const std::string& name) const;

private:
    explicit RegistryKey(HKEY key) : key_(key) {}

    HKEY key_ = nullptr;
};

/// Removes a key with everything below it; one that is not there counts as removed. Raises as a
/// failed write does.
void removeRegistryTree(HKEY root, const std::string& path);

} // namespace corvane::sim::win32
