// The value edit of the trigger's main form: typing, the keys, the drop-down list and the timer.
#include "tests/trigger/TriggerFixture.h"

#include "common/RuntimeError.h"

namespace corvane::trigger::test {
namespace {

using Values = std::vector<std::string>;
const std::string kDropdownOnly = "OnlyFromDropdown=1\r\nAllowEditing=0\r\n";

class frmMainEdit : public TriggerTest {};

TEST_F(frmMainEdit, TypingAndLeavingWritesTheText) {
    start();
    session.user.type(form().txtNewValue, "X");
    tick();
    EXPECT_FALSE(ended()) << "the value box still has the foreground";
    leave();
    tick();
    EXPECT_EQ(writes(), Values{"CustomerX"});
    EXPECT_EQ(engine.contacts().value(1, 15), "CustomerX");
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 0);
}

TEST_F(frmMainEdit, EnterMakesANewContactViewSendsEnterAndWrites) {
    start();
    session.user.pressKey(form().txtNewValue, 13);
    EXPECT_EQ(injector.callsTo("Views.Create").size(), 2u);
    EXPECT_EQ(session.keys.sent().at(0).keys, "{ENTER}");
    EXPECT_FALSE(session.keys.sent().at(0).wait);
    tick();
    EXPECT_EQ(writes(), Values{"Customer"});
}

TEST_F(frmMainEdit, TabWritesAndSendsTabOn) {
    start();
    session.user.pressKey(form(), 9);
    tick();
    EXPECT_EQ(writes(), Values{"Customer"});
    EXPECT_EQ(session.keys.sent().at(0).keys, "{TAB}");
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, EscapeWinsOverALostForegroundAndWritesNothing) {
    start();
    session.user.pressEscape(form());
    leave();
    tick();
    EXPECT_TRUE(writes().empty());
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, EscapeBeforeTheFormShowsEndsItAtTheFirstTick) {
    std::filesystem::remove(settingsFile("Users.dat"));
    session.msgBox.expect(kNoUsersFile, forms::vbOK, [&] {
        session.windows.pressKey(forms::VK_ESCAPE);
        session.processEvents();
    });
    start();
    EXPECT_TRUE(form().Visible());
    tick();
    EXPECT_TRUE(writes().empty());
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, OnlyFromDropdownDiscardsTypingAndBackspaceWalksToEmpty) {
    writeList(kDropdownOnly + "Customer\r\n");
    engine.contacts().setValue(1, 15, "Cus");
    start();
    forms::TextBox& box = form().txtNewValue;
    session.user.type(box, "x");
    session.user.pressKey(box, 8);
    EXPECT_EQ(box.Text(), "Cus");
    EXPECT_EQ(box.SelStart(), 2);
    EXPECT_EQ(box.SelLength(), 1);
    session.user.pressKey(box, 8);
    session.user.pressKey(box, 8);
    EXPECT_EQ(box.SelLength(), 3);
    session.user.pressKey(box, 8);
    EXPECT_EQ(box.Text(), "");
    leave();
    tick();
    EXPECT_EQ(writes(), Values{""}) << "the empty string is always allowed";
}

TEST_F(frmMainEdit, OnlyFromDropdownWritesOnlyListItems) {
    writeList(kDropdownOnly + "customer\r\n");
    start();
    leave();
    tick();
    EXPECT_TRUE(writes().empty()) << "items compare with case";
}

TEST_F(frmMainEdit, ListIsSortedOpensAtTheValueAndAPickClosesIt) {
    writeList(kDropdownOnly + "Prospect\r\n\r\n   \r\nCustomer\r\nalpha\r\n");
    start();
    session.user.click(form().cmdDD);
    EXPECT_EQ(form().lstNewValue.List(0), "alpha");
    EXPECT_EQ(form().lstNewValue.ListIndex(), 1);
    EXPECT_EQ(form().lstNewValue.TopIndex(), 1);
    EXPECT_EQ(form().Height(), 320 + 720) << "three items; no edit button";
    session.user.pick(form().lstNewValue, 2);
    EXPECT_EQ(form().Height(), 320);
    leave();
    tick();
    EXPECT_EQ(writes(), Values{"Prospect"});
}

class DropDownHeight : public TriggerTest, public ::testing::WithParamInterface<std::pair<int, int32_t>> {};

TEST_P(DropDownHeight, FollowsTheItemCount) {
    std::string file = "OnlyFromDropdown=0\r\nAllowEditing=1\r\n";
    for (int i = 0; i < GetParam().first; ++i) {
        file += "item" + std::to_string(i) + "\r\n";
    }
    writeList(file);
    start();
    session.user.click(form().cmdDD);
    const int32_t height = GetParam().second;
    EXPECT_EQ(form().lstNewValue.Height(), height);
    EXPECT_EQ(form().lstNewValue.Width(), 3010);
    EXPECT_EQ(form().cmdEditList.Top(), 320 + height);
    EXPECT_EQ(form().Height(), 320 + height + 270);
}

INSTANTIATE_TEST_SUITE_P(frmMainEdit, DropDownHeight,
                         ::testing::Values(std::pair{0, 0}, std::pair{1, 270}, std::pair{2, 520}, std::pair{3, 720},
                                           std::pair{4, 960}, std::pair{5, 960}));

TEST_F(frmMainEdit, FlagLineThatIsNoNumberIsReportedAndTheEditGoesOn) {
    writeList("OnlyFromDropdown=yes\r\nAllowEditing=0\r\nCustomer\r\n");
    session.msgBox.expect(errorReport(vberr::TypeMismatch, "frmMain: Function Load_List", 40));
    start();
    EXPECT_TRUE(form().cmdDD.Visible());
    leave();
    tick();
    EXPECT_EQ(writes(), Values{"Customer"});
}

TEST_F(frmMainEdit, ActClosingBehindAFailedWriteSendsNoTabOn) {
    injector.failWith("View.SetField", vberr::AutomationError);
    session.msgBox.expect(errorReport(vberr::AutomationError, "frmMain: Function WriteData", 20), forms::vbOK, [&] {
        engine.closeDatabase();
        session.processEvents();
    });
    start();
    session.user.pressKey(form(), 9);
    tick();
    EXPECT_TRUE(ended());
    EXPECT_TRUE(session.keys.sent().empty());
}

TEST_F(frmMainEdit, FailedWriteIsReportedAndTheRunEnds) {
    injector.failWith("View.SetField", vberr::AutomationError);
    session.msgBox.expect(errorReport(vberr::AutomationError, "frmMain: Function WriteData", 20));
    start();
    leave();
    tick();
    EXPECT_TRUE(ended());
}

} // namespace
} // namespace corvane::trigger::test
