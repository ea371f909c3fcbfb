#pragma once

#include "common/Rights.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// A user's level for a field and why it holds, in words for an administrator.
struct RightsExplanation {
    RightsLevel level = RightsLevel::None;
    std::string reason; // starts with the level's name, e.g. "Full: listed in the global Full list"
};

/// The level's name as the tool shows it: "Full", "Initialize" or "None".
std::string_view levelName(RightsLevel level);

/// Explains the trigger's decision for one user under a field's lists. The level is the one
/// `rightsLevel` gives; the reason names the list that decided it and whether the lists are the
/// field's own. As the decision is a substring search, an ID can be found inside a longer run of IDs
/// without being one of them; the reason then says "found within" instead of "listed in". For an
/// Initialize user, the field's value on the current contact, when known, says whether the user may
/// change it now.
RightsExplanation explainRights(std::string_view userId, const FieldRights& rights,
                                std::optional<std::string_view> currentValue = std::nullopt);

} // namespace corvane
