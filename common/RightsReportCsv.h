#pragma once

#include "common/RightsReport.h"

#include <string>
#include <string_view>

namespace corvane {

/// One CSV field as RFC 4180 writes it: always quoted, each quote doubled. Bytes pass unchanged, so
/// the text stays in the system's code page.
std::string csvField(std::string_view text);

/// The report as CSV (RFC 4180, CR LF after every record): a header "User", "Unique ID" and one
/// column per field label, " (own lists)" appended where the field's own lists replace the global
/// ones; then one record per user with the level names.
std::string rightsReportCsv(const RightsReport& report);

} // namespace corvane
