#include "common/ProfileDocument.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace corvane
