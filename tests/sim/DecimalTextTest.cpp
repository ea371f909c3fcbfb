#include "sim/act/DecimalText.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

using corvane::sim::decimalTextToInt16;

namespace {

int errorOf(const char* text) {
    return corvane::test::vbErrorOf([&] { decimalTextToInt16(text); });
}

} // namespace

TEST(DecimalText, ReadsNumbersWithBlanksAndSign) {
    EXPECT_EQ(decimalTextToInt16("15"), 15);
    EXPECT_EQ(decimalTextToInt16("  21 "), 21);
    EXPECT_EQ(decimalTextToInt16("-7"), -7);
    EXPECT_EQ(decimalTextToInt16("+007"), 7);
    EXPECT_EQ(decimalTextToInt16("32767"), 32767);
    EXPECT_EQ(decimalTextToInt16("-32768"), -32768);
}

TEST(DecimalText, TextThatIsNoNumberIsTypeMismatch) {
    for (const char* text : {"", "   ", "abc", "12x", "1.5", "1 2", "-", "0x10"}) {
        EXPECT_EQ(errorOf(text), corvane::vberr::TypeMismatch) << '"' << text << '"';
    }
}

TEST(DecimalText, NumbersPastSixteenBitsOverflow) {
    for (const char* text : {"32768", "-32769", "99999999999999999999999"}) {
        EXPECT_EQ(errorOf(text), corvane::vberr::Overflow) << text;
    }
}
