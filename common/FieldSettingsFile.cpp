#include "common/FieldSettingsFile.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "common/Text.h"
#include "common/VbConvert.h"

namespace corvane {

std::string fieldSettingsPath(std::string_view listPath, std::string_view genericName, std::string_view fieldId) {
    std::string name(genericName);
    name += fieldId;
    name += ".dat";
    return joinPath(listPath, name);
}

void writeFieldSettingsFile(const std::string& path, const FieldSettings& settings) {
    std::string content;
    content += kOnlyFromDropdownPrefix;
    content += text::decimal(settings.OnlyFromDropdown) + "\r\n";
    content += kAllowEditingPrefix;
    content += text::decimal(settings.AllowEditing) + "\r\n";
    for (const std::string& item : settings.Items) {
        if (!item.empty()) {
            content += text::trimSpaces(item);
            content += "\r\n";
        }
    }
    replaceFile(path, content);
}

FieldSettingsReader::FieldSettingsReader(const std::string& path) : bytes_(readWholeFile(path)) {}

std::string_view FieldSettingsReader::nextLine() {
    if (atEnd()) {
        throw RuntimeError(vberr::InputPastEndOfFile);
    }
    const std::string_view all(bytes_);
    const size_t cr = all.find('\r', position_);
    const size_t end = cr == std::string_view::npos ? all.size() : cr;
    const std::string_view line = all.substr(position_, end - position_);
    position_ = end;
    if (position_ < all.size()) {
        ++position_; // the CR
        if (position_ < all.size() && all[position_] == '\n') {
            ++position_;
        }
    }
    return line;
}

std::optional<int16_t> adminFlag(std::string_view line, std::string_view prefix) {
    if (!line.starts_with(prefix)) {
        return std::nullopt;
    }
    return vb::CInt(line.substr(prefix.size()));
}

bool triggerFlag(std::string_view line, std::string_view prefix) {
    return vb::CBool(text::removeAll(line, prefix));
}

int16_t editorFlag(std::string_view line, std::string_view prefix) {
    return vb::CInt(text::removeAll(line, prefix));
}

} // namespace corvane
