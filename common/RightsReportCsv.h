#pragma once

#include "common/RightsReport.h"

#include <string>

namespace corvane {

/// The report as CSV (RFC 4180, CR LF after every record): a header "User", "Unique ID" and one
/// column per field label, " (own lists)" appended where the field's own lists replace the global
/// ones; then one record per user with the level names.
std::string rightsReportCsv(const RightsReport& report);

} // namespace corvane
