#include "common/VbConvert.h"

#include "common/RuntimeError.h"
#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace corvane::vb {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "&H1F" / "&O17": up to four digits make a 16-bit value, more make a 32-bit one (so "&HFFFF" is -1).
std::optional<double> parseRadix(std::string_view digits, int radix) {
    if (digits.empty() || digits.size() > (radix == 16 ? 8U : 11U)) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : digits) {
        const char lower = static_cast<char>(c | 0x20);
        int digit = -1;
        if (isDigit(c)) {
            digit = c - '0';
        } else if (radix == 16 && lower >= 'a' && lower <= 'f') {
            digit = lower - 'a' + 10;
        }
        if (digit < 0 || digit >= radix) {
            return std::nullopt;
        }
        value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
    }
    if (value <= 0xFFFF && digits.size() <= 4) {
        return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(value)));
    }
    if (value > 0xFFFFFFFFU) {
        return std::nullopt;
    }
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// The power of ten of a number's first significant digit, from its checked text (at most about
// 1e6 either way): enough to tell a number too large for a double from one too small.
int64_t decimalMagnitude(std::string_view s) {
    const size_t mantissaEnd = std::min(s.find_first_of("eEdD"), s.size());
    const size_t point = std::min(s.find('.'), mantissaEnd);
    const size_t first = s.find_first_of("123456789");
    if (first == std::string_view::npos || first >= mantissaEnd) {
        return 0; // zero, however it is written
    }
    int64_t exponent = 0;
    if (mantissaEnd < s.size()) {
        const std::string_view digits = s.substr(mantissaEnd + 1);
        const bool negative = digits.front() == '-';
        for (const char c : digits) {
            if (isDigit(c)) {
                exponent = std::min<int64_t>(exponent * 10 + (c - '0'), 1'000'000);
            }
        }
        exponent = negative ? -exponent : exponent;
    }
    const auto offset = static_cast<int64_t>(point) - static_cast<int64_t>(first);
    return exponent + (first < point ? offset - 1 : offset);
}

// The value of checked decimal text, read the same whatever the process's locale: the C library's
// strtod follows LC_NUMERIC, which the Qt programs set from the user's locale, so under a German
// locale it would read "1.5" as 1. A number too small for a double is 0; one too large is none.
std::optional<double> toDouble(std::string_view s) {
    std::string text(s.substr(s.front() == '+' ? 1 : 0));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range && decimalMagnitude(s) < 0) {
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseDecimal(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        const size_t expStart = j;
        while (j < s.size() && isDigit(s[j])) {
            ++j;
        }
        if (j == expStart) {
            return std::nullopt;
        }
        i = j;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    return toDouble(s);
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    const std::string_view s = text::trimBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(s[1] | 0x20);
        if (kind == 'h') {
            return parseRadix(s.substr(2), 16);
        }
        if (kind == 'o') {
            return parseRadix(s.substr(2), 8);
        }
        return std::nullopt;
    }
    return parseDecimal(s);
}

bool IsNumeric(std::string_view text) {
    return parseNumber(text).has_value();
}

int16_t CInt(double value) {
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw RuntimeError(vberr::Overflow);
    }
    return static_cast<int16_t>(rounded);
}

int16_t CInt(std::string_view text) {
    const auto number = parseNumber(text);
    if (!number) {
        throw RuntimeError(vberr::TypeMismatch);
    }
    return CInt(*number);
}

int32_t CLng(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeError(vberr::Overflow);
    }
    return static_cast<int32_t>(rounded);
}

bool CBool(std::string_view text) {
    const std::string_view s = text::trimBlanks(text);
    if (text::equalsIgnoreCase(s, "True")) {
        return true;
    }
    if (text::equalsIgnoreCase(s, "False")) {
        return false;
    }
    const auto number = parseNumber(s);
    if (!number) {
        throw RuntimeError(vberr::TypeMismatch);
    }
    return *number != 0.0;
}

} // namespace corvane::vb
