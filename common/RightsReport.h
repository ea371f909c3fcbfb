#pragma once

#include "common/ProfileDocument.h"
#include "common/Rights.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// An ACT! user as the report lists it.
struct ReportUser {
    std::string name;
    std::string uniqueId;
};

/// A protected field as the report lists it.
struct ReportField {
    std::string label;
    int16_t number = 0;
};

/// Every user's effective level for every protected field, decided as the trigger decides it.
/// Rows are the users in ACT!'s order, columns the fields in the order given.
class RightsReport {
public:
    /// Decides each cell from the database's section of `Users.dat` with `fieldRights` and
    /// `rightsLevel`, the trigger's own decision.
    RightsReport(std::vector<ReportUser> users, std::vector<ReportField> fields, const ProfileDocument& usersFile,
                 std::string_view section);

    const std::vector<ReportUser>& users() const { return users_; }
    const std::vector<ReportField>& fields() const { return fields_; }

    /// Whether the field's own lists replace the global ones.
    bool hasOwnLists(size_t field) const { return fieldRights_[field].ownLists; }
    /// The lists that decide the field's column.
    const FieldRights& rightsOf(size_t field) const { return fieldRights_[field]; }
    /// The field's column heading: its label, with " (own lists)" after it when it has its own lists.
    std::string heading(size_t field) const;
    RightsLevel level(size_t user, size_t field) const { return levels_[user * listPairs_ + listPairOf_[field]]; }

private:
    std::vector<ReportUser> users_;
    std::vector<ReportField> fields_;
    std::vector<FieldRights> fieldRights_;
    // Fields with the same lists (every field without lists of its own, at least) share one decision
    // per user: the levels hold a column per distinct pair of lists, row by row.
    std::vector<size_t> listPairOf_;
    size_t listPairs_ = 0;
    std::vector<RightsLevel> levels_;
};

} // namespace corvane
