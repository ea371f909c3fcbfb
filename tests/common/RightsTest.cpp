#include "common/Rights.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

RightsLevel levelOf(const std::string& usersFile, std::string_view field, std::string_view userId) {
    return rightsLevel(userId, effectiveRightsLists(ProfileDocument(usersFile), "Sales", field));
}

TEST(Rights, FieldsWithoutOwnListsFollowTheGlobalLists) {
    const std::string file = "[Sales]\r\nGlobalF=AAbb\r\nGlobalI=cc\r\n";
    EXPECT_EQ(levelOf(file, "12", "AA"), RightsLevel::Full);
    EXPECT_EQ(levelOf(file, "12", "bb"), RightsLevel::Full);
    EXPECT_EQ(levelOf(file, "12", "cc"), RightsLevel::Initialize);
    EXPECT_EQ(levelOf(file, "12", "dd"), RightsLevel::None);
}

TEST(Rights, OwnListsReplaceTheGlobalOnesForEveryone) {
    const std::string file = "[Sales]\r\nGlobalF=AAbb\r\nGlobalI=cc\r\n12F=AA\r\n";
    EXPECT_EQ(levelOf(file, "12", "AA"), RightsLevel::Full);
    EXPECT_EQ(levelOf(file, "12", "bb"), RightsLevel::None);
    EXPECT_EQ(levelOf(file, "12", "cc"), RightsLevel::None);
    EXPECT_EQ(levelOf(file, "7", "cc"), RightsLevel::Initialize);
}

TEST(Rights, BlankOnlyKeysFollowTheGlobalLists) {
    const std::string file = "[Sales]\r\nGlobalF=AA\r\n12F=\"   \"\r\n12I=\r\n";
    EXPECT_EQ(levelOf(file, "12", "AA"), RightsLevel::Full);
}

TEST(Rights, MembershipIsACaseSensitiveSubstringTest) {
    const std::string file = "[Sales]\r\nGlobalF=XAAYZ\r\n";
    EXPECT_EQ(levelOf(file, "1", "AAY"), RightsLevel::Full);
    EXPECT_EQ(levelOf(file, "1", "aay"), RightsLevel::None);
}

// Every list read gets a blank appended, so an ID of blanks would be found in any list that names anybody.
TEST(Rights, AnEmptyOrBlankUserIdIsInNoList) {
    const std::string file = "[Sales]\r\nGlobalF=AA BB\r\nGlobalI=bb\r\n";
    for (const std::string_view id : {"", " ", "  ", "\t", " \t "}) {
        EXPECT_EQ(levelOf(file, "12", id), RightsLevel::None) << '"' << id << '"';
    }
    EXPECT_FALSE(isListed(" ", "AA "));
    EXPECT_TRUE(isListed("A", "AA "));
}

TEST(Rights, UsersFarIntoALongListAreFound) {
    const std::string file = "[Sales]\r\nGlobalF=" + std::string(3000, 'x') + "LATE\r\n";
    EXPECT_EQ(levelOf(file, "12", "LATE"), RightsLevel::Full);
}

TEST(Rights, OtherDatabasesSectionsAreNotConsulted) {
    const std::string file = "[Service]\r\nGlobalF=AA\r\n[Sales]\r\nGlobalI=AA\r\n";
    EXPECT_EQ(levelOf(file, "12", "AA"), RightsLevel::Initialize);
}

} // namespace
} // namespace corvane
