#include "common/VbConvert.h"

#include "common/RuntimeError.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

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

TEST(VbConvert, ParseNumberTakesVbsFormsAndLimits) {
    EXPECT_EQ(parseNumber("1d3"), 1000.0);
    EXPECT_EQ(parseNumber(" +.5 "), 0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("-2.5E-1"), -0.25);
    EXPECT_EQ(parseNumber("1e-400"), 0.0); // too small for a double: zero
    EXPECT_EQ(parseNumber("0.000001e-320"), 0.0);
    EXPECT_EQ(parseNumber("1e400"), std::nullopt); // too large: no number
    EXPECT_EQ(parseNumber("1000000e303"), std::nullopt);
    EXPECT_FALSE(CBool("-1e-999"));
}

// Sets a locale for the whole process, and puts the one before it back when the test ends.
class ProcessLocale {
public:
    explicit ProcessLocale(const char* name)
        : saved_(std::setlocale(LC_ALL, nullptr)), set_(std::setlocale(LC_ALL, name) != nullptr) {}
    ~ProcessLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

    bool isSet() const { return set_; }

private:
    std::string saved_;
    bool set_;
};

// The Qt programs take the user's locale for the C library too; a German one reads "1.5" as 1.
TEST(VbConvert, NumbersReadTheSameUnderACommaDecimalLocale) {
    const ProcessLocale german("de_DE.UTF-8");
    if (!german.isSet()) {
        GTEST_SKIP() << "this machine has no de_DE.UTF-8 locale (scripts/install-deps.sh generates it)";
    }
    ASSERT_EQ(std::strtod("1.5", nullptr), 1.0) << "the locale does not read a comma as the decimal sign";
    EXPECT_TRUE(CBool("0.5"));
    EXPECT_EQ(CInt("2.5"), 2);
    EXPECT_EQ(CInt("3.5"), 4);
    EXPECT_EQ(CInt("1.5e1"), 15);
    EXPECT_EQ(parseNumber(" -0.25 "), -0.25);
    EXPECT_FALSE(IsNumeric("1,5"));
}

} // namespace
} // namespace corvane::vb
