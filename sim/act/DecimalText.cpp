#include "sim/act/DecimalText.h"

#include "common/RuntimeError.h"

#include <charconv>
#include <limits>

namespace corvane::sim {

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

int16_t decimalTextToInt16(std::string_view text) {
    std::string_view digits = trimBlanks(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        throw RuntimeError(vberr::TypeMismatch);
    }
    int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const int64_t value = negative ? -magnitude : magnitude;
    if (error != std::errc() || value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        throw RuntimeError(vberr::Overflow);
    }
    return static_cast<int16_t>(value);
}

} // namespace corvane::sim
