#include "common/ProfileDocument.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace corvane {
namespace {

// Reading a section remembers where it lies; a change must not leave a reader with the old place.
TEST(ProfileDocument, FindsWhatWasJustWrittenAfterReadingTheSameSection) {
    ProfileDocument document("[Sales]\r\nGlobalF=AA\r\n[Other]\r\nK=v\r\n");
    EXPECT_EQ(document.find("Sales", "GlobalF"), "AA");
    document.set("Sales", "12F", "BB"); // the section grows
    EXPECT_EQ(document.find("Sales", "12F"), "BB");
    EXPECT_EQ(document.find("Caf\xE9", "12F"), std::nullopt);
    document.set("Caf\xE9", "12F", "CC"); // the section comes into being
    EXPECT_EQ(document.find("Caf\xE9", "12F"), "CC");
    document.set("Sales", "GlobalF", std::nullopt); // the section shrinks
    EXPECT_EQ(document.find("Sales", "GlobalF"), std::nullopt);
    EXPECT_EQ(document.find("Other", "K"), "v");
    EXPECT_EQ(document.bytes(), "[Sales]\r\n12F=BB\r\n[Other]\r\nK=v\r\n[Caf\xE9]\r\n12F=CC\r\n");
}

// Only the first "[" of a line, after blanks, can open a section, and the name ends at the line's last "]".
TEST(ProfileDocument, OnlyALinesFirstBracketOpensASection) {
    const ProfileDocument document("x[Sales]\r\nK=top\r\n"
                                   "\t[[Sales]\nK=nested\n"
                                   "[Sales\rK=unclosed\r"
                                   "[Sales]]\r\nK=closed twice\r\n"
                                   " [ Sales ] ]\r\nK=two closers\r\n"
                                   "[Sales]\r\nK=sales\r\n");
    EXPECT_EQ(document.find("", "K"), "top");
    EXPECT_EQ(document.find("[Sales", "K"), "nested");
    EXPECT_EQ(document.find("Sales]", "K"), "closed twice");
    EXPECT_EQ(document.find("Sales ]", "K"), "two closers");
    EXPECT_EQ(document.find("Sales", "K"), "sales");
}

// Lines crowded with "[" that open nothing are crossed without losing the sections after them.
TEST(ProfileDocument, ManyBracketsThatOpenNothingHideNoSection) {
    std::string bytes = std::string(100000, '[') + "\r\n";
    for (int i = 0; i < 5000; ++i) {
        bytes += i % 2 == 0 ? "[x\n" : "[Sales\r\n";
    }
    bytes += "K=" + std::string(100000, '[') + "\r[Sales]\r\nK=found\r\n";
    ProfileDocument document(bytes);
    EXPECT_EQ(document.find("Sales", "K"), "found");
    EXPECT_EQ(document.find("", "K")->size(), 100000U);
    EXPECT_TRUE(document.set("Sales", "K", std::nullopt));
    EXPECT_EQ(document.find("Sales", "K"), std::nullopt);
    EXPECT_TRUE(document.set("[x", "K", "new"));
    EXPECT_EQ(document.find("[x", "K"), "new");
    EXPECT_EQ(document.bytes().substr(0, bytes.size() - 9), bytes.substr(0, bytes.size() - 9));
}

} // namespace
} // namespace corvane
