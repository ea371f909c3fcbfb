#pragma once

#include "common/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view kOnlyFromDropdownPrefix = "OnlyFromDropdown=";
inline constexpr std::string_view kAllowEditingPrefix = "AllowEditing=";

/// What a field settings file holds: the two flags (0 off, any other number on) and the items of
/// the field's drop-down list.
struct FieldSettings {
    int16_t OnlyFromDropdown = 0;
    int16_t AllowEditing = 0;
    std::vector<std::string> Items;
};

/// Path of a field's settings file: the settings folder, the separator, the database's generic name,
/// the field number text and ".dat" ("Settings/Sales12.dat").
std::string fieldSettingsPath(std::string_view listPath, std::string_view genericName, std::string_view fieldId);

/// Writes a field settings file whole and atomically: "OnlyFromDropdown=" and "AllowEditing=" with
/// the flags' decimal text, then every item that is not the empty string, without leading and
/// trailing spaces; CR LF after every line. Fails with VB's file errors (76 for a missing folder).
void writeFieldSettingsFile(const std::string& path, const FieldSettings& settings);

/// Reads a field settings file line by line, as VB's Line Input does: a line ends at CR LF or at a
/// lone CR (a lone LF stays in the line).
class FieldSettingsReader {
public:
    /// Reads the file whole; fails with VB's file errors (53 missing, 76 missing folder, 75 unreadable).
    explicit FieldSettingsReader(const std::string& path);

    /// The next line; "Input past end of file" (62) when there is none.
    std::string_view nextLine();

    /// Hands every further line that is not blank to `add`, trimmed of spaces, in file order.
    template <class Add> void readItems(Add&& add) {
        while (!atEnd()) {
            const std::string_view item = text::trimSpaces(nextLine());
            if (!item.empty()) {
                add(item);
            }
        }
    }

    bool atEnd() const noexcept { return position_ >= bytes_.size(); }

private:
    std::string bytes_;
    size_t position_ = 0;
};

/// The administration tool's reading of a flag line: the number after the prefix when the line
/// begins with it (case-sensitive), nothing otherwise. A value that is not a whole number in
/// 16 bits fails with 13 or 6.
std::optional<int16_t> adminFlag(std::string_view line, std::string_view prefix);

/// The trigger's reading: every occurrence of the prefix removed, the rest read as a truth value
/// ("True", "False", 0 false, any other number true); other text fails with 13.
bool triggerFlag(std::string_view line, std::string_view prefix);

/// The list editor's reading: every occurrence of the prefix removed, the rest read as a 16-bit
/// whole number, kept to be written back; fails with 13 or 6.
int16_t editorFlag(std::string_view line, std::string_view prefix);

} // namespace corvane
