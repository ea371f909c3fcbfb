#include "common/IniLib.h"

#include "common/FileIo.h"
#include "common/RuntimeError.h"
#include "common/VbConvert.h"

#include <utility>

namespace corvane::IniLib {
namespace {

// The programs read and write the file as ANSI text. One that begins with a byte order mark is
// Unicode text, which the Windows profile functions read but this engine would misread (its
// sections unseen, its lists wrong) and a write would corrupt with an ANSI line: its keys are
// unknown, which is not the same as absent, so it is neither read nor written.
std::string ansiText(std::optional<std::string> bytes) {
    static constexpr std::string_view kByteOrderMarks[] = {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"};
    std::string text = std::move(bytes).value_or(std::string());
    for (const std::string_view mark : kByteOrderMarks) {
        if (text.starts_with(mark)) {
            throw RuntimeError(vberr::InvalidFileFormat,
                               "Invalid file format: the file is Unicode text, not the ANSI text expected");
        }
    }
    return text;
}

} // namespace

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
        document = ProfileDocument(ansiText(readFileIfPresent(file)));
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
    updateFile(file, [&](std::optional<std::string> content) -> std::optional<std::string> {
        ProfileDocument document(ansiText(std::move(content)));
        if (!document.set(section, key, value)) {
            return std::nullopt;
        }
        return std::string(document.bytes());
    });
}

void DeleteKey(std::string_view section, std::string_view key, const std::string& file) {
    WriteKeyValue(section, key, std::nullopt, file);
}

} // namespace corvane::IniLib
