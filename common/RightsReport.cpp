#include "common/RightsReport.h"

#include "common/Text.h"

#include <map>
#include <utility>

namespace corvane {

RightsReport::RightsReport(std::vector<ReportUser> users, std::vector<ReportField> fields,
                           const ProfileDocument& usersFile, std::string_view section)
    : users_(std::move(users)), fields_(std::move(fields)) {
    fieldRights_.reserve(fields_.size());
    for (const ReportField& field : fields_) {
        fieldRights_.push_back(corvane::fieldRights(usersFile, section, text::decimal(field.number)));
    }
    std::map<std::pair<std::string_view, std::string_view>, size_t> pairs;
    std::vector<const RightsLists*> distinct;
    for (const FieldRights& rights : fieldRights_) {
        const auto [pair, added] = pairs.try_emplace({rights.lists.full, rights.lists.init}, distinct.size());
        if (added) {
            distinct.push_back(&rights.lists);
        }
        listPairOf_.push_back(pair->second);
    }
    listPairs_ = distinct.size();
    levels_.reserve(users_.size() * listPairs_);
    for (const ReportUser& user : users_) {
        for (const RightsLists* lists : distinct) {
            levels_.push_back(rightsLevel(user.uniqueId, *lists));
        }
    }
}

std::string RightsReport::heading(size_t field) const {
    return hasOwnLists(field) ? fields_[field].label + " (own lists)" : fields_[field].label;
}

} // namespace corvane
