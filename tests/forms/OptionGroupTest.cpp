#include "forms/OptionGroup.h"

#include "forms/Frame.h"
#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

class OptionGroupTest : public ::testing::Test {
protected:
    OptionGroupTest() {
        optUsers.add(fraFiles, {.name = "optUsers", .index = 0}, {.caption = "Use Global Settings", .value = true});
        optUsers.add(fraFiles, {.name = "optUsers", .index = 1}, {.caption = "Use Settings below"});
        optUsers.Click = [this](int index) { clicks.push_back(index); };
        form.Show();
    }

    TestSession session;
    RecordingForm form{session.runtime, "Form1"};
    Frame fraFiles{form, {.name = "fraFiles"}, {.caption = "Protected Fields Settings :"}};
    OptionGroup optUsers;
    std::vector<int> clicks;
};

TEST_F(OptionGroupTest, SelectingByCodeClearsTheOthersAndFiresOnlyItsClick) {
    optUsers(1).setValue(true);

    EXPECT_FALSE(optUsers(0).Value());
    EXPECT_TRUE(optUsers(1).Value());
    EXPECT_EQ(clicks, (std::vector<int>{1}));
}

TEST_F(OptionGroupTest, SettingTheSelectedButtonOrClearingAButtonFiresNothing) {
    optUsers(0).setValue(true);
    optUsers(1).setValue(false);
    optUsers(0).setValue(false);

    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(optUsers(0).Value());
    EXPECT_FALSE(optUsers(1).Value());
}

TEST_F(OptionGroupTest, UserClickSelectsAndFiresWithTheIndex) {
    session.user.click(optUsers(1));
    session.user.click(optUsers(1));

    EXPECT_EQ(clicks, (std::vector<int>{1}));
    EXPECT_FALSE(optUsers(0).Value());
}

TEST_F(OptionGroupTest, MissingIndexIsControlArrayError) {
    expectVbError(340, [&] { optUsers(2); });
}

} // namespace
} // namespace corvane::forms::test
