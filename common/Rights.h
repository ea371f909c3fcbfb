#pragma once

#include "common/ProfileDocument.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

/// Rights levels, in the order the whole system numbers them.
enum class RightsLevel : int16_t { Full = 0, Initialize = 1, None = 2 };

inline constexpr std::string_view kGlobalFullKey = "GlobalF";
inline constexpr std::string_view kGlobalInitKey = "GlobalI";

/// Keys of a field's own lists: "12F" and "12I" for field 12.
std::string fieldFullKey(std::string_view fieldId);
std::string fieldInitKey(std::string_view fieldId);

/// The two lists that decide a level: runs of user unique IDs, each with one blank appended as the
/// programs read them.
struct RightsLists {
    std::string full;
    std::string init;

    /// Whether either list names anybody (holds more than blanks).
    bool namesAnybody() const;
};

/// Reads one pair of keys from a database's section of `Users.dat`.
RightsLists readRightsLists(const ProfileDocument& usersFile, std::string_view section, std::string_view fullKey,
                            std::string_view initKey);

/// The lists that hold for a field, and whether they are the field's own.
struct FieldRights {
    RightsLists lists;
    bool ownLists = false;
};

/// The lists that hold for a field: its own pair when either key names anybody (they then replace
/// the global lists for every user), otherwise "GlobalF" and "GlobalI".
FieldRights fieldRights(const ProfileDocument& usersFile, std::string_view section, std::string_view fieldId);

/// The lists of `fieldRights`, without where they come from.
RightsLists effectiveRightsLists(const ProfileDocument& usersFile, std::string_view section, std::string_view fieldId);

/// Whether a user is in a list: a case-sensitive search for the ID anywhere in the run. An ID that is
/// empty or blanks only names nobody, so it is in no list (every list ends in a blank, which such an
/// ID would otherwise find), and a list of blanks holds nobody.
bool isListed(std::string_view userId, std::string_view list);

/// A user's level under a pair of lists: Full when listed in `full`, else Initialize when listed in
/// `init`, else None.
RightsLevel rightsLevel(std::string_view userId, const RightsLists& lists);

/// Whether a user of `level` may change a field that holds `value`: Full always, Initialize only
/// while the field is empty, None never.
bool mayChange(RightsLevel level, std::string_view value);

} // namespace corvane
