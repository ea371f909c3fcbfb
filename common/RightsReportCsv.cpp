#include "common/RightsReportCsv.h"

#include "common/Csv.h"
#include "common/RightsExplanation.h"

namespace corvane {

std::string rightsReportCsv(const RightsReport& report) {
    std::string csv = csvField("User") + "," + csvField("Unique ID");
    for (size_t field = 0; field < report.fields().size(); ++field) {
        csv += "," + csvField(report.heading(field));
    }
    csv += kCsvRecordEnd;
    for (size_t user = 0; user < report.users().size(); ++user) {
        csv += csvField(report.users()[user].name) + "," + csvField(report.users()[user].uniqueId);
        for (size_t field = 0; field < report.fields().size(); ++field) {
            csv += "," + csvField(levelName(report.level(user, field)));
        }
        csv += kCsvRecordEnd;
    }
    return csv;
}

} // namespace corvane
