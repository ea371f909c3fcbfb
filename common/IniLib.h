#pragma once

#include "common/ErrorReport.h"
#include "common/ProfileDocument.h"

#include <optional>
#include <string>
#include <string_view>

/// The INI operations both programs use on `Users.dat`. Callers always pass the file's full path.
namespace corvane::IniLib {

/// Reads a key. A missing file, section or key, or an empty value, gives `defaultValue`. With the
/// check type "Numeric" or "Boolean", a result that is not a number becomes `fallBack` unless
/// `fallBack` is empty. The whole stored value is returned, however long.
///
/// A file that exists but cannot be read, or is Unicode text (it begins with a byte order mark), is
/// reported under "IniLib: Function GetKeyValue" and ends the caller's operation (`ReportedFailure`):
/// its keys are unknown, which is not the same as absent.
std::string GetKeyValue(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::string_view checkType, std::string_view fallBack, const std::string& file,
                        ErrorReporter& errors);

/// The whole file as `GetKeyValue` reads it, for callers that read several keys of one file: a
/// missing file (or folder) reads as empty; one that cannot be read is reported as above.
ProfileDocument ReadKeys(const std::string& file, ErrorReporter& errors);

/// `GetKeyValue` on a file already read.
std::string GetKeyValue(const ProfileDocument& document, std::string_view section, std::string_view key,
                        std::string_view defaultValue, std::string_view checkType, std::string_view fallBack);

/// Writes `key=value` into the section, creating the file, section and key as needed; a null value
/// (no string at all, unlike "") removes the key. Fails with VB's file errors when the file cannot be
/// written: 76 when its folder does not exist (which is never created), 75 when the file cannot be
/// read (it is then never replaced by the new key alone), 321 "Invalid file format" when it is
/// Unicode text, 70 when it is read-only or another writer holds it for more than five seconds; the
/// file then stays as it was. Writers of one file take turns from the read to the rename, so no
/// write loses another's key (see `updateFile`).
void WriteKeyValue(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                   const std::string& file);

/// Removes the key from the section; fails as `WriteKeyValue` does.
void DeleteKey(std::string_view section, std::string_view key, const std::string& file);

} // namespace corvane::IniLib
