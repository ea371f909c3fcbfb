#include "common/Text.h"

#include <algorithm>

namespace corvane::text {
namespace {

bool isBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

unsigned char foldCase(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 'a' + 'A');
    }
    // Windows-1252: à..þ fold onto À..Þ, except ÷ (0xF7); š œ ž ÿ onto Š Œ Ž Ÿ.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

} // namespace

std::string_view trimSpaces(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool isBlank(std::string_view s) {
    return trimSpaces(s).empty();
}

std::string_view trimLeadingBlanks(std::string_view s) {
    while (!s.empty() && isBlankByte(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

std::string_view trimBlanks(std::string_view s) {
    s = trimLeadingBlanks(s);
    while (!s.empty() && isBlankByte(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return foldCase(static_cast<unsigned char>(x)) == foldCase(static_cast<unsigned char>(y));
    });
}

std::string removeAll(std::string_view s, std::string_view what) {
    if (what.empty()) {
        return std::string(s);
    }
    std::string result;
    result.reserve(s.size());
    for (size_t at = 0;;) {
        const size_t found = s.find(what, at);
        result.append(s.substr(at, found - at));
        if (found == std::string_view::npos) {
            return result;
        }
        at = found + what.size();
    }
}

std::string decimal(int64_t value) {
    return std::to_string(value);
}

} // namespace corvane::text
