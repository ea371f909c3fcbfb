#include "common/RightsReport.h"

#include "common/Csv.h"
#include "common/RightsReportCsv.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

const std::vector<ReportUser> kUsers = {{"Ann", "AAAA"}, {"Bob", "BBBB"}, {"Cy", "CCCC"}, {"Nobody", ""}};
const std::vector<ReportField> kFields = {{"Status", 15}, {"Region", 12}};

TEST(RightsReport, EachCellIsTheTriggersLevelForThatUserAndField) {
    const ProfileDocument file("[Sales]\r\nGlobalF=AAAA\r\nGlobalI=BBBB\r\n12F=CCCC\r\n12I=ABBBBC\r\n"
                               "[Other]\r\nGlobalF=CCCC\r\n");
    const RightsReport report(kUsers, kFields, file, "Sales");

    ASSERT_EQ(report.users().size(), 4U);
    ASSERT_EQ(report.fields().size(), 2U);
    EXPECT_FALSE(report.hasOwnLists(0));
    EXPECT_TRUE(report.hasOwnLists(1));
    EXPECT_EQ(report.level(0, 0), RightsLevel::Full);
    EXPECT_EQ(report.level(1, 0), RightsLevel::Initialize);
    EXPECT_EQ(report.level(2, 0), RightsLevel::None);
    // The field's own lists replace the global ones; "BBBB" is found within "ABBBBC".
    EXPECT_EQ(report.level(0, 1), RightsLevel::None);
    EXPECT_EQ(report.level(1, 1), RightsLevel::Initialize);
    EXPECT_EQ(report.level(2, 1), RightsLevel::Full);
    EXPECT_EQ(report.level(3, 0), RightsLevel::None);
    EXPECT_EQ(report.level(3, 1), RightsLevel::None);
}

TEST(RightsReport, WithoutUsersFileEntriesNobodyHasRights) {
    const RightsReport report(kUsers, kFields, ProfileDocument(), "Sales");
    for (size_t user = 0; user < kUsers.size(); ++user) {
        EXPECT_EQ(report.level(user, 0), RightsLevel::None);
        EXPECT_EQ(report.level(user, 1), RightsLevel::None);
    }
}

TEST(RightsReportCsv, WritesHeaderAndOneQuotedRecordPerUser) {
    const ProfileDocument file("[Sales]\r\nGlobalF=AAAA\r\nGlobalI=BBBB\r\n12F=CCCC\r\n");
    const RightsReport report(kUsers, kFields, file, "Sales");
    EXPECT_EQ(rightsReportCsv(report), "\"User\",\"Unique ID\",\"Status\",\"Region (own lists)\"\r\n"
                                       "\"Ann\",\"AAAA\",\"Full\",\"None\"\r\n"
                                       "\"Bob\",\"BBBB\",\"Initialize\",\"None\"\r\n"
                                       "\"Cy\",\"CCCC\",\"None\",\"Full\"\r\n"
                                       "\"Nobody\",\"\",\"None\",\"None\"\r\n");
}

TEST(RightsReportCsv, QuotesCommasLineBreaksAndCodePageLettersSurvive) {
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("Smith, Jo"), "\"Smith, Jo\"");
    EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(csvField("Ren\xE9\x9F"), "\"Ren\xE9\x9F\"");
    EXPECT_EQ(csvField(""), "\"\"");

    const RightsReport report({{"M\xFCller, \"Jo\"", "X1"}}, {{"Caf\xE9, \"B\"", 3}}, ProfileDocument(), "S");
    EXPECT_EQ(rightsReportCsv(report), "\"User\",\"Unique ID\",\"Caf\xE9, \"\"B\"\"\"\r\n"
                                       "\"M\xFCller, \"\"Jo\"\"\",\"X1\",\"None\"\r\n");
}

TEST(RightsReportCsv, NoFieldsGivesTheUserColumnsOnly) {
    const RightsReport report(kUsers, {}, ProfileDocument(), "Sales");
    EXPECT_EQ(rightsReportCsv(report).substr(0, 22), "\"User\",\"Unique ID\"\r\n\"A");
}

} // namespace
} // namespace corvane
