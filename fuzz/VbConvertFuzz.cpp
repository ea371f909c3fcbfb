// VB's conversions over any text, under a comma-decimal locale when the machine has one (the Qt
// programs run under the user's). Input: the text. The conversions agree with each other and fail
// only with VB's errors; a number printed in its shortest form reads back as the same number.
#include "common/RuntimeError.h"
#include "common/Text.h"
#include "common/VbConvert.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace corvane;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <class Convert> std::optional<int32_t> valueOrError(Convert convert, int* error) {
    try {
        return convert();
    } catch (const RuntimeError& e) {
        require(e.number() == vberr::TypeMismatch || e.number() == vberr::Overflow);
        *error = e.number();
        return std::nullopt;
    }
}

void checkConversions(std::string_view text) {
    const auto number = vb::parseNumber(text);
    require(vb::IsNumeric(text) == number.has_value());
    require(!number || std::isfinite(*number));

    int intError = 0;
    const auto asInt = valueOrError([&] { return vb::CInt(text); }, &intError);
    if (!number) {
        require(intError == vberr::TypeMismatch);
    } else {
        require(intError == 0 || intError == vberr::Overflow);
        require(intError == vberr::Overflow ? std::fabs(*number) >= 32767.5 : *asInt == std::nearbyint(*number));
    }

    int boolError = 0;
    const auto asBool = valueOrError([&] { return vb::CBool(text) ? 1 : 0; }, &boolError);
    const std::string_view word = text::trimBlanks(text);
    if (text::equalsIgnoreCase(word, "True") || text::equalsIgnoreCase(word, "False")) {
        require(asBool == (word.size() == 4 ? 1 : 0));
    } else if (number) {
        require(asBool == (*number != 0.0 ? 1 : 0));
    } else {
        require(boolError == vberr::TypeMismatch);
    }
}

// The shortest text of a double reads back as that double, in every written form.
void checkRoundTrip(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    for (const auto format : {std::chars_format::general, std::chars_format::scientific}) {
        char buffer[64];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
        require(error == std::errc());
        std::string printed(buffer, end);
        require(vb::parseNumber(printed) == value);
        for (char& c : printed) {
            c = c == 'e' ? 'D' : c; // VB's other exponent letter
        }
        require(vb::parseNumber(" " + printed + " ") == value);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // stays "C" where the machine lacks it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkConversions(text);
    if (const auto number = vb::parseNumber(text)) {
        checkRoundTrip(*number);
    }
    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
    }
    return 0;
}
