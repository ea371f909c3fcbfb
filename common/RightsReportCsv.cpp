#include "common/RightsReportCsv.h"

#include "common/RightsExplanation.h"

namespace corvane {

namespace {

constexpr std::string_view kRecordEnd = "\r\n";

} // namespace

std::string csvField(std::string_view text) {
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

std::string rightsReportCsv(const RightsReport& report) {
    std::string csv = csvField("User") + "," + csvField("Unique ID");
    for (size_t field = 0; field < report.fields().size(); ++field) {
        const std::string& label = report.fields()[field].label;
        csv += "," + csvField(report.hasOwnLists(field) ? label + " (own lists)" : label);
    }
    csv += kRecordEnd;
    for (size_t user = 0; user < report.users().size(); ++user) {
        csv += csvField(report.users()[user].name) + "," + csvField(report.users()[user].uniqueId);
        for (size_t field = 0; field < report.fields().size(); ++field) {
            csv += "," + csvField(levelName(report.level(user, field)));
        }
        csv += kRecordEnd;
    }
    return csv;
}

} // namespace corvane
