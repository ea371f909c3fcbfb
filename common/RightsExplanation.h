#pragma once

#include "common/Rights.h"

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
/// without being one of them; the reason then says "found within" instead of "listed in".
RightsExplanation explainRights(std::string_view userId, const FieldRights& rights);

} // namespace corvane
