#pragma once

#include <cstdint>
#include <string_view>

namespace corvane::sim {

/// Converts an argument given as decimal text to a 16-bit number the way ACT!'s automation does:
/// blanks around the number are allowed, and a sign. Anything else fails with error 13 (Type
/// mismatch); a number outside the 16-bit range fails with error 6 (Overflow).
int16_t decimalTextToInt16(std::string_view text);

} // namespace corvane::sim
