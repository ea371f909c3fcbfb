#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// One CSV field as RFC 4180 writes it: always quoted, each quote doubled. Bytes pass unchanged, so
/// the text stays in the system's code page, and line breaks stay inside the quotes.
std::string csvField(std::string_view text);

/// What ends each CSV record.
inline constexpr std::string_view kCsvRecordEnd = "\r\n";

} // namespace corvane
