#pragma once

#include "common/ProfileDocument.h"

#include <optional>
#include <string>
#include <string_view>

/// The INI operations both programs use on `Users.dat`. Callers always pass the file's full path.
namespace corvane::IniLib {

/// Reads a key. A missing file, section or key, or an empty value, gives `defaultValue`. With the
/// check type "Numeric" or "Boolean", a result that is not a number becomes `fallBack` unless
/// `fallBack` is empty. The whole stored value is returned, however long.
std::string GetKeyValue(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::string_view checkType, std::string_view fallBack, const std::string& file);

/// `GetKeyValue` on a file already read, for callers that read several keys of one file.
std::string GetKeyValue(const ProfileDocument& document, std::string_view section, std::string_view key,
                        std::string_view defaultValue, std::string_view checkType, std::string_view fallBack);

/// Writes `key=value` into the section, creating the file, section and key as needed; a null value
/// (no string at all, unlike "") removes the key. Returns false when the file cannot be written,
/// for example when its folder does not exist (which is never created).
bool WriteKeyValue(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                   const std::string& file);

/// Removes the key from the section. Returns false when the file cannot be written.
bool DeleteKey(std::string_view section, std::string_view key, const std::string& file);

} // namespace corvane::IniLib
