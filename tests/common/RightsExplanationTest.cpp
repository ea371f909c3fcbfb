#include "common/RightsExplanation.h"

#include "common/RightsReport.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>

namespace corvane {
namespace {

RightsExplanation explain(const std::string& usersFile, std::string_view field, std::string_view userId) {
    return explainRights(userId, fieldRights(ProfileDocument(usersFile), "Sales", field));
}

TEST(RightsExplanation, NamesTheGlobalListThatDecided) {
    const std::string file = "[Sales]\r\nGlobalF=AAAABBBB\r\nGlobalI=CCCC\r\n";
    EXPECT_EQ(explain(file, "12", "BBBB").reason, "Full: listed in the global Full list");
    EXPECT_EQ(explain(file, "12", "CCCC").reason, "Initialize: listed in the global Initialize list; the user may "
                                                  "change the field only while it is empty");
    EXPECT_EQ(explain(file, "12", "DDDD").reason,
              "None: the field has no lists of its own and the user is in neither global list");
}

TEST(RightsExplanation, TheCurrentContactsValueSaysWhetherAnInitializeUserMayChangeItNow) {
    const FieldRights rights =
        fieldRights(ProfileDocument("[Sales]\r\nGlobalF=AAAA\r\nGlobalI=CCCC\r\n"), "Sales", "12");
    EXPECT_EQ(explainRights("CCCC", rights, "Boston").reason,
              "Initialize: listed in the global Initialize list; on the current contact the field is not empty, so "
              "the user may not change it now");
    EXPECT_EQ(explainRights("CCCC", rights, "").reason,
              "Initialize: listed in the global Initialize list; on the current contact the field is empty, so the "
              "user may fill it in now");
    // A blank is a value, as the trigger sees it.
    EXPECT_NE(explainRights("CCCC", rights, " ").reason.find("is not empty"), std::string::npos);
    EXPECT_EQ(explainRights("AAAA", rights, "Boston").reason, "Full: listed in the global Full list");
}

TEST(RightsExplanation, OwnListsReplaceTheGlobalOnesAndSaySo) {
    const std::string file = "[Sales]\r\nGlobalF=AAAABBBB\r\n12F=AAAA\r\n12I=CCCC\r\n";
    EXPECT_EQ(explain(file, "12", "AAAA").reason, "Full: listed in the field's own Full list");
    EXPECT_EQ(explain(file, "12", "CCCC").level, RightsLevel::Initialize);
    EXPECT_EQ(explain(file, "12", "CCCC").reason.substr(0, 56),
              "Initialize: listed in the field's own Initialize list; t");
    EXPECT_EQ(explain(file, "12", "BBBB").reason, "None: the field has its own lists and the user is in neither");
    EXPECT_EQ(explain(file, "7", "BBBB").reason, "Full: listed in the global Full list");
}

TEST(RightsExplanation, AnIdInsideALongerRunIsFoundWithinTheList) {
    // "ABBB" straddles the two IDs written one after the other; the search finds it all the same.
    const std::string file = "[Sales]\r\nGlobalF=AAAABBBB\r\n12I=XCCCCX\r\n";
    EXPECT_EQ(explain(file, "7", "ABBB").reason, "Full: found within the global Full list, inside a longer run of "
                                                 "IDs, as the trigger's search finds it");
    EXPECT_EQ(explain(file, "12", "CCCC").level, RightsLevel::Initialize);
    EXPECT_NE(explain(file, "12", "CCCC").reason.find("found within the field's own Initialize list"),
              std::string::npos);
}

TEST(RightsExplanation, IdsPartedByBlanksAreListed) {
    const std::string file = "[Sales]\r\nGlobalF=AAAA BBBBCCCC\r\n";
    EXPECT_EQ(explain(file, "1", "AAAA").reason, "Full: listed in the global Full list");
    EXPECT_EQ(explain(file, "1", "CCCC").reason, "Full: listed in the global Full list");
}

TEST(RightsExplanation, AnEmptyOrBlankIdIsInNoList) {
    const std::string file = "[Sales]\r\nGlobalF=AAAA\r\n12F=BBBB\r\n";
    for (const std::string_view id : {"", " ", "\t "}) {
        for (const std::string_view field : {"1", "12"}) {
            EXPECT_EQ(explain(file, field, id).reason, "None: the user's ID is empty or blank, so it is in no list");
        }
    }
}

// Over random files and IDs: the explanation's level is the trigger's decision, and so is the report's cell.
TEST(RightsExplanation, LevelAlwaysEqualsTheTriggersDecisionAndTheReportsCell) {
    constexpr std::array<std::string_view, 8> kPieces = {"AB", "ab", "CD", "B", " ", "", "ABCD", "\xE9"};
    constexpr std::array<std::string_view, 6> kKeys = {"GlobalF", "GlobalI", "12F", "12I", "7F", "7I"};
    std::mt19937 random(20261207);
    const auto below = [&](size_t bound) { return static_cast<size_t>(random() % bound); };
    const auto pick = [&](const auto& from) { return from[below(from.size())]; };
    const auto run = [&] {
        std::string text;
        for (size_t n = below(4); n > 0; --n) {
            text += pick(kPieces);
        }
        return text;
    };
    for (int round = 0; round < 400; ++round) {
        std::string file = "[Sales]\r\n";
        for (size_t n = below(6); n > 0; --n) {
            file += std::string(pick(kKeys)) + "=" + run() + "\r\n";
        }
        const ProfileDocument document(file);
        std::vector<ReportUser> users;
        for (int user = 0; user < 5; ++user) {
            users.push_back({"U" + std::to_string(user), run()});
        }
        const RightsReport report(users, {{"Twelve", 12}, {"Seven", 7}, {"Three", 3}}, document, "Sales");
        for (size_t user = 0; user < users.size(); ++user) {
            for (size_t field = 0; field < report.fields().size(); ++field) {
                const std::string number = std::to_string(report.fields()[field].number);
                const RightsLevel trigger =
                    rightsLevel(users[user].uniqueId, effectiveRightsLists(document, "Sales", number));
                const RightsExplanation why = explainRights(users[user].uniqueId, report.rightsOf(field));
                ASSERT_EQ(why.level, trigger) << file << "ID '" << users[user].uniqueId << "' field " << number;
                ASSERT_EQ(report.level(user, field), trigger) << file << "ID '" << users[user].uniqueId << "'";
                ASSERT_EQ(why.reason.substr(0, levelName(trigger).size()), levelName(trigger)) << why.reason;
            }
        }
    }
}

} // namespace
} // namespace corvane
