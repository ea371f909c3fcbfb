#pragma once

#include "admin/ActHost.h"
#include "common/ErrorReport.h"
#include "common/RightsReport.h"

#include <optional>
#include <string>

namespace corvane::admin {

/// The rights report of the open database, or why there is none.
struct RightsReportReading {
    std::optional<RightsReport> report;
    /// Set when there is no report and no failure was reported: the users file does not exist, so it
    /// sets nobody's rights (until it exists the trigger lets everybody change every field).
    std::string refusal;
};

/// Reads what the rights report is made of: ACT!'s users, its protected fields, and the database's
/// section `section` of the users file at `usersPath`. A failure is reported under its label and
/// leaves no report.
RightsReportReading Read_Report(ActHost& host, ErrorReporter& errors, const std::string& usersPath,
                                const std::string& section);

} // namespace corvane::admin
