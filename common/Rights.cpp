#include "common/Rights.h"

#include "common/IniLib.h"
#include "common/Text.h"

#include <utility>

namespace corvane {

std::string fieldFullKey(std::string_view fieldId) {
    return std::string(fieldId) + "F";
}

std::string fieldInitKey(std::string_view fieldId) {
    return std::string(fieldId) + "I";
}

bool RightsLists::namesAnybody() const {
    return !text::isBlank(full) || !text::isBlank(init);
}

RightsLists readRightsLists(const ProfileDocument& usersFile, std::string_view section, std::string_view fullKey,
                            std::string_view initKey) {
    return {IniLib::GetKeyValue(usersFile, section, fullKey, "", "", "") + " ",
            IniLib::GetKeyValue(usersFile, section, initKey, "", "", "") + " "};
}

FieldRights fieldRights(const ProfileDocument& usersFile, std::string_view section, std::string_view fieldId) {
    RightsLists own = readRightsLists(usersFile, section, fieldFullKey(fieldId), fieldInitKey(fieldId));
    if (own.namesAnybody()) {
        return {std::move(own), true};
    }
    return {readRightsLists(usersFile, section, kGlobalFullKey, kGlobalInitKey), false};
}

RightsLists effectiveRightsLists(const ProfileDocument& usersFile, std::string_view section, std::string_view fieldId) {
    return fieldRights(usersFile, section, fieldId).lists;
}

bool isListed(std::string_view userId, std::string_view list) {
    return !text::trimBlanks(userId).empty() && !text::isBlank(list) && list.find(userId) != std::string_view::npos;
}

RightsLevel rightsLevel(std::string_view userId, const RightsLists& lists) {
    if (isListed(userId, lists.full)) {
        return RightsLevel::Full;
    }
    if (isListed(userId, lists.init)) {
        return RightsLevel::Initialize;
    }
    return RightsLevel::None;
}

bool mayChange(RightsLevel level, std::string_view value) {
    return level == RightsLevel::Full || (level == RightsLevel::Initialize && value.empty());
}

} // namespace corvane
