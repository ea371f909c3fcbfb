#include "common/IniLib.h"

#include "common/FileIo.h"
#include "common/RuntimeError.h"
#include "common/VbConvert.h"

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

ProfileDocument ReadKeys(const std::string& file, ErrorReporter& errors) {
    ProfileDocument document;
    errors.guardEssential("IniLib: Function GetKeyValue", [&](Statement& at) {
        at(10);
        document = ProfileDocument(readFileIfPresent(file).value_or(std::string()));
    });
    return document;
}

std::string GetKeyValue(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::string_view checkType, std::string_view fallBack, const std::string& file,
                        ErrorReporter& errors) {
    return GetKeyValue(ReadKeys(file, errors), section, key, defaultValue, checkType, fallBack);
}

void WriteKeyValue(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                   const std::string& file) {
    ProfileDocument document(readFileIfPresent(file).value_or(std::string()));
    if (document.set(section, key, value)) {
        replaceFile(file, document.bytes());
    }
}

void DeleteKey(std::string_view section, std::string_view key, const std::string& file) {
    WriteKeyValue(section, key, std::nullopt, file);
}

} // namespace corvane::IniLib
