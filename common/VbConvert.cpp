#include "common/VbConvert.h"

#include "common/RuntimeError.h"
#include "common/Text.h"

#include <cmath>
#include <cstdlib>
#include <string>

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
    std::string copy(s);
    for (char& c : copy) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    const double value = std::strtod(copy.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
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
