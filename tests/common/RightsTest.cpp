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

TEST(Rights, AnEmptyUserIdIsInNoList) {
    const std::string file = "[Sales]\r\nGlobalF=AA\r\nGlobalI=bb\r\n";
    EXPECT_EQ(levelOf(file, "12", ""), RightsLevel::None);
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
