#include "common/RightsExplanation.h"

#include "common/Text.h"

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

/// Whether the ID is one of the list's IDs rather than a piece of a longer run. The tool writes a
/// list as its users' IDs one after the other, and ACT!'s unique IDs share one length, so each ID
/// starts at a multiple of that length within its run; runs may also be parted by blanks.
bool isWholeEntry(std::string_view userId, std::string_view list) {
    size_t start = 0;
    while (start < list.size()) {
        const size_t end = std::min(list.find(' ', start), list.size());
        const std::string_view run = list.substr(start, end - start);
        for (size_t at = 0; at + userId.size() <= run.size(); at += userId.size()) {
            if (run.substr(at, userId.size()) == userId) {
                return true;
            }
        }
        start = end + 1;
    }
    return false;
}

std::string membership(std::string_view userId, std::string_view list, bool ownLists, std::string_view listName) {
    const std::string where =
        std::string(ownLists ? "the field's own " : "the global ") + std::string(listName) + " list";
    if (isWholeEntry(userId, list)) {
        return "listed in " + where;
    }
    return "found within " + where + ", inside a longer run of IDs, as the trigger's search finds it";
}

} // namespace

std::string_view levelName(RightsLevel level) {
    switch (level) {
    case RightsLevel::Full:
        return "Full";
    case RightsLevel::Initialize:
        return "Initialize";
    case RightsLevel::None:
        break;
    }
    return "None";
}

RightsExplanation explainRights(std::string_view userId, const FieldRights& rights,
                                std::optional<std::string_view> currentValue) {
    const RightsLevel level = rightsLevel(userId, rights.lists);
    std::string reason = std::string(levelName(level)) + ": ";
    switch (level) {
    case RightsLevel::Full:
        reason += membership(userId, rights.lists.full, rights.ownLists, "Full");
        break;
    case RightsLevel::Initialize:
        reason += membership(userId, rights.lists.init, rights.ownLists, "Initialize");
        if (!currentValue) {
            reason += "; the user may change the field only while it is empty";
        } else if (mayChange(level, *currentValue)) {
            reason += "; on the current contact the field is empty, so the user may fill it in now";
        } else {
            reason += "; on the current contact the field is not empty, so the user may not change it now";
        }
        break;
    case RightsLevel::None:
        if (text::trimBlanks(userId).empty()) {
            reason += "the user's ID is empty or blank, so it is in no list";
        } else if (rights.ownLists) {
            reason += "the field has its own lists and the user is in neither";
        } else {
            reason += "the field has no lists of its own and the user is in neither global list";
        }
        break;
    }
    return {level, std::move(reason)};
}

} // namespace corvane
