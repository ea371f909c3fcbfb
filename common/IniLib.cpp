#include "common/IniLib.h"

#include "common/FileIo.h"
#include "common/RuntimeError.h"
#include "common/VbConvert.h"

#include <filesystem>

namespace corvane::IniLib {

std::string GetKeyValue(const ProfileDocument& document, std::string_view section, std::string_view key,
                        std::string_view defaultValue, std::string_view checkType, std::string_view fallBack) {
    const auto stored = document.find(section, key);
    std::string result(stored && !stored->empty() ? *stored : defaultValue);
    if ((checkType == "Numeric" || checkType == "Boolean") && !vb::IsNumeric(result) && !fallBack.empty()) {
        result = fallBack;
    }
    return result;
}

std::string GetKeyValue(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::string_view checkType, std::string_view fallBack, const std::string& file) {
    return GetKeyValue(ProfileDocument::load(file), section, key, defaultValue, checkType, fallBack);
}

bool WriteKeyValue(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                   const std::string& file) {
    try {
        std::error_code ec;
        // An existing file that cannot be read is left alone rather than replaced by the new key alone.
        ProfileDocument document(std::filesystem::exists(file, ec) ? readWholeFile(file) : std::string());
        if (document.set(section, key, value)) {
            replaceFile(file, document.bytes());
        }
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

bool DeleteKey(std::string_view section, std::string_view key, const std::string& file) {
    return WriteKeyValue(section, key, std::nullopt, file);
}

} // namespace corvane::IniLib
