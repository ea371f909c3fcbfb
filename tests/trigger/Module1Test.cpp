// Finding ACT!'s field window and laying the value form over it.
#include "tests/trigger/TriggerFixture.h"

namespace corvane::trigger::test {
namespace {

class TriggerModule1 : public TriggerTest {
protected:
    void expectForm(int32_t width, int32_t height) {
        EXPECT_EQ(form().Left(), 1480);
        EXPECT_EQ(form().Top(), 4480);
        EXPECT_EQ(form().Width(), width);
        EXPECT_EQ(form().Height(), height);
        EXPECT_EQ(form().txtNewValue.Width(), width);
        EXPECT_EQ(form().txtNewValue.Height(), height);
        EXPECT_TRUE(session.windows.attachedThreads().empty()) << "the input is detached again";
    }
};

TEST_F(TriggerModule1, WithASettingsFileTheFormCoversTheFieldWithTheDropDownButton) {
    writeList("OnlyFromDropdown=0\r\nAllowEditing=0\r\n");
    start();
    expectForm(3020, 320);
    EXPECT_TRUE(form().cmdDD.Visible());
    EXPECT_EQ(form().cmdDD.Left(), 2720);
    EXPECT_EQ(form().cmdDD.Height(), 310);
}

TEST_F(TriggerModule1, WithoutASettingsFileTheFormIsTextOnly) {
    start();
    expectForm(3030, 300);
    EXPECT_FALSE(form().cmdDD.Visible());
}

class FieldNotFound : public TriggerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FieldNotFound, EndsTheRunSilentlyAfterTheRightsWereGranted) {
    session.windows.setFocus(7, session.windows.addWindow(7, GetParam(), {100, 300, 300, 320}));
    leave();
    start();
    EXPECT_TRUE(ended());
    EXPECT_TRUE(session.msgBox.shown().empty());
    EXPECT_TRUE(session.windows.attachedThreads().empty());
}

INSTANTIATE_TEST_SUITE_P(TriggerModule1, FieldNotFound, ::testing::Values("EDIT", "Edit2", "RichEdit"));

TEST_F(TriggerModule1, RefusalComesBeforeLookingForTheField) {
    session.windows.setFocus(7, 0);
    writeUsers("[Sales]\r\nGlobalF=AA\r\n");
    session.msgBox.expect(kRefusal);
    start();
}

} // namespace
} // namespace corvane::trigger::test
