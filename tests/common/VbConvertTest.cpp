#include "common/VbConvert.h"

#include "common/RuntimeError.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

namespace corvane::vb {
namespace {

TEST(VbConvert, CIntReadsNumericTextAndRoundsHalfToEven) {
    EXPECT_EQ(CInt(" 12 "), 12);
    EXPECT_EQ(CInt("-1"), -1);
    EXPECT_EQ(CInt("+7"), 7);
    EXPECT_EQ(CInt("2.5"), 2);
    EXPECT_EQ(CInt("3.5"), 4);
    EXPECT_EQ(CInt("1e2"), 100);
    EXPECT_EQ(CInt("&HFFFF"), -1);
    EXPECT_EQ(CInt("&h1f"), 31);
    EXPECT_EQ(CInt("&O17"), 15);
}

TEST(VbConvert, CIntFailsAsVbDoes) {
    EXPECT_EQ(test::vbErrorOf([] { CInt(""); }), vberr::TypeMismatch);
    EXPECT_EQ(test::vbErrorOf([] { CInt("abc"); }), vberr::TypeMismatch);
    EXPECT_EQ(test::vbErrorOf([] { CInt("12abc"); }), vberr::TypeMismatch);
    EXPECT_EQ(test::vbErrorOf([] { CInt("-"); }), vberr::TypeMismatch);
    EXPECT_EQ(test::vbErrorOf([] { CInt("32768"); }), vberr::Overflow);
    EXPECT_EQ(test::vbErrorOf([] { CInt("-32769"); }), vberr::Overflow);
    EXPECT_EQ(CInt("-32768"), -32768);
    EXPECT_EQ(test::vbErrorOf([] { CLng(3e9); }), vberr::Overflow);
}

TEST(VbConvert, CBoolTakesWordsAndNumbers) {
    EXPECT_TRUE(CBool("True"));
    EXPECT_TRUE(CBool("true"));
    EXPECT_FALSE(CBool("False"));
    EXPECT_FALSE(CBool("0"));
    EXPECT_TRUE(CBool("1"));
    EXPECT_TRUE(CBool("-1"));
    EXPECT_TRUE(CBool("0.5"));
    EXPECT_EQ(test::vbErrorOf([] { CBool("yes"); }), vberr::TypeMismatch);
    EXPECT_EQ(test::vbErrorOf([] { CBool(""); }), vberr::TypeMismatch);
}

TEST(VbConvert, IsNumericRejectsTheEmptyText) {
    EXPECT_FALSE(IsNumeric(""));
    EXPECT_FALSE(IsNumeric("   "));
    EXPECT_TRUE(IsNumeric(" 1.5 "));
    EXPECT_FALSE(IsNumeric("1.5.2"));
}

} // namespace
} // namespace corvane::vb
