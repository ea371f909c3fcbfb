#include "admin/RightsReportSource.h"

#include "admin/modPopulateACTLists.h"
#include "common/IniLib.h"
#include "common/Module1.h"
#include "common/Text.h"
#include "common/VbConvert.h"

#include <utility>
#include <vector>

namespace corvane::admin {
namespace {

std::vector<ReportUser> ACT_Users(ActHost& host, Statement& at) {
    std::vector<ReportUser> users;
    at(10);
    act::Users& all = need(host.users);
    const int16_t count = vb::CInt(all.Count());
    for (int32_t position = 1; position <= count; ++position) {
        at(20);
        users.push_back({all.Name(static_cast<int16_t>(position)), all.UniqueID(text::decimal(position))});
    }
    return users;
}

} // namespace

RightsReportReading Read_Report(ActHost& host, ErrorReporter& errors, const std::string& usersPath,
                                const std::string& section) {
    RightsReportReading reading;
    std::vector<ReportUser> users;
    std::vector<ReportField> fields;
    if (!errors.guard("RightsReport: Function ACT_Users", [&](Statement& at) { users = ACT_Users(host, at); }) ||
        !errors.guard("RightsReport: Function Protected_Fields", [&](Statement& at) {
            at(10);
            modPopulateACTLists::forEachProtectedField(need(host.fields), at, errors,
                                                       [&](int16_t number, const std::string& label) {
                                                           fields.push_back({label, number});
                                                       });
        })) {
        return reading;
    }
    errors.guard("RightsReport: Function Read_Report", [&](Statement& at) {
        at(10);
        if (!corvane::Module1::FileExists(usersPath, errors)) {
            reading.refusal = "The users file " + usersPath + " does not exist.";
            return;
        }
        at(20);
        const ProfileDocument usersFile = IniLib::ReadKeys(usersPath, errors);
        at(30);
        reading.report.emplace(std::move(users), std::move(fields), usersFile, section);
    });
    return reading;
}

} // namespace corvane::admin
