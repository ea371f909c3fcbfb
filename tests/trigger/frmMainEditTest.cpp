// The value edit of the trigger's main form: typing, the keys, the drop-down list and the timer.
#include "tests/trigger/TriggerFixture.h"

#include "common/RuntimeError.h"

#include <gtest/gtest.h>

namespace corvane::trigger::test {

namespace {
using Writes = std::vector<std::vector<std::string>>;

const std::string kDropdownOnly = "OnlyFromDropdown=1\r\nAllowEditing=0\r\n";
const std::string kFreeWithEditing = "OnlyFromDropdown=0\r\nAllowEditing=1\r\n";
} // namespace

class frmMainEdit : public TriggerTest {
protected:
    void leave() { session.windows.bringToFront(actWindow); }
};

TEST_F(frmMainEdit, TypingAndLeavingWritesTheText) {
    start();
    EXPECT_FALSE(form().cmdDD.Visible());
    session.user.type(form().txtNewValue, "X");
    tick();
    EXPECT_FALSE(ended()) << "the value box still has the foreground";
    leave();
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "CustomerX"}}));
    EXPECT_EQ(fieldValue(), "CustomerX");
    EXPECT_TRUE(ended());
    EXPECT_EQ(session.windows.hookCount(), 0);
}

TEST_F(frmMainEdit, EnterMakesANewContactViewSendsEnterAndWrites) {
    start();
    session.user.type(form().txtNewValue, "!");
    session.user.pressKey(form().txtNewValue, 13);
    EXPECT_EQ(injector.callsTo("Views.Create").size(), 2u);
    ASSERT_EQ(session.keys.sent().size(), 1u);
    EXPECT_EQ(session.keys.sent()[0].keys, "{ENTER}");
    EXPECT_FALSE(session.keys.sent()[0].wait);
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customer!"}}));
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, TabWritesAndSendsTabOn) {
    start();
    session.user.pressKey(form(), 9);
    EXPECT_TRUE(form().bTab);
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customer"}}));
    ASSERT_EQ(session.keys.sent().size(), 1u);
    EXPECT_EQ(session.keys.sent()[0].keys, "{TAB}");
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, EscapeWinsOverALostForegroundAndWritesNothing) {
    start();
    session.user.type(form().txtNewValue, "abc");
    session.user.pressEscape(form());
    leave();
    tick();
    EXPECT_TRUE(writes().empty());
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, EscapeBeforeTheFormShowsEndsItAtTheFirstTick) {
    removeUsers();
    session.msgBox.expect(std::string(kNoUsersFile), forms::vbOK, [&] {
        session.windows.pressKey(forms::VK_ESCAPE);
        session.processEvents();
    });
    start();
    EXPECT_TRUE(form().Visible());
    tick();
    EXPECT_TRUE(writes().empty());
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, EmptyBoxWritesTheEmptyString) {
    start();
    form().txtNewValue.setText("");
    leave();
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", ""}}));
}

TEST_F(frmMainEdit, OnlyFromDropdownDiscardsTypingAndWalksBackspaceToEmpty) {
    writeList(kDropdownOnly + "Customer\r\nProspect\r\n");
    setFieldValue("Cust");
    start();
    forms::TextBox& box = form().txtNewValue;
    session.user.type(box, "xy");
    EXPECT_EQ(box.Text(), "Cust");
    session.user.pressKey(box, 8);
    EXPECT_EQ(box.SelStart(), 3);
    EXPECT_EQ(box.SelLength(), 1);
    session.user.pressKey(box, 8);
    session.user.pressKey(box, 8);
    session.user.pressKey(box, 8);
    EXPECT_EQ(box.Text(), "Cust");
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 4);
    session.user.pressKey(box, 8);
    EXPECT_EQ(box.Text(), "");
    leave();
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", ""}})) << "the empty string is always allowed";
}

TEST_F(frmMainEdit, OnlyFromDropdownDoesNotWriteAValueOutsideTheList) {
    writeList(kDropdownOnly + "customer\r\nProspect\r\n");
    start();
    leave();
    tick();
    EXPECT_TRUE(writes().empty()) << "items compare with case";
    EXPECT_TRUE(ended());
}

TEST_F(frmMainEdit, PickingAnItemClosesTheListAndIsWritten) {
    writeList(kDropdownOnly + "Prospect\r\n\r\n   \r\nCustomer\r\nalpha\r\n");
    start();
    EXPECT_EQ(form().lstNewValue.ListCount(), 3);
    EXPECT_EQ(form().lstNewValue.List(0), "alpha");
    EXPECT_EQ(form().lstNewValue.List(2), "Prospect");
    session.user.click(form().cmdDD);
    EXPECT_EQ(form().lstNewValue.ListIndex(), 1) << "the field's value is selected";
    EXPECT_EQ(form().lstNewValue.TopIndex(), 1);
    EXPECT_EQ(form().Height(), 320 + 720);
    session.user.pick(form().lstNewValue, 2);
    EXPECT_EQ(form().txtNewValue.Text(), "Prospect");
    EXPECT_EQ(form().Height(), 320);
    leave();
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Prospect"}}));
}

TEST_F(frmMainEdit, EnterInTheListEndsTheEditLikeEnterInTheBox) {
    writeList(kFreeWithEditing + "Prospect\r\n");
    start();
    session.user.click(form().cmdDD);
    session.user.pick(form().lstNewValue, 0);
    session.user.pressKey(form().lstNewValue, 13);
    EXPECT_EQ(injector.callsTo("Views.Create").size(), 2u);
    ASSERT_EQ(session.keys.sent().size(), 1u);
    EXPECT_EQ(session.keys.sent()[0].keys, "{ENTER}");
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Prospect"}}));
}

TEST_F(frmMainEdit, TheTimerWaitsWhileTheListDropsDown) {
    writeList(kFreeWithEditing + "a\r\n");
    start();
    session.user.click(form().cmdDD);
    session.user.click(form().cmdDD);
    EXPECT_TRUE(form().lstNewValue.Visible()) << "a second click keeps the list open";
    tick(3);
    EXPECT_FALSE(ended());
}

class DropDownHeight : public TriggerTest, public ::testing::WithParamInterface<std::pair<int, int32_t>> {};

TEST_P(DropDownHeight, FollowsTheItemCount) {
    std::string list = kFreeWithEditing;
    for (int i = 0; i < GetParam().first; ++i) {
        list += "item" + std::to_string(i) + "\r\n";
    }
    writeList(list);
    start();
    session.user.click(form().cmdDD);
    const int32_t height = GetParam().second;
    EXPECT_EQ(form().lstNewValue.Height(), height);
    EXPECT_EQ(form().lstNewValue.Top(), 320);
    EXPECT_EQ(form().lstNewValue.Width(), 3010);
    EXPECT_TRUE(form().cmdEditList.Visible());
    EXPECT_EQ(form().cmdEditList.Top(), 320 + height);
    EXPECT_EQ(form().cmdEditList.Width(), 3010);
    EXPECT_EQ(form().Height(), 320 + height + 270);
}

INSTANTIATE_TEST_SUITE_P(frmMainEdit, DropDownHeight,
                         ::testing::Values(std::pair{0, 0}, std::pair{1, 270}, std::pair{2, 520}, std::pair{3, 720},
                                           std::pair{4, 960}, std::pair{5, 960}));

TEST_F(frmMainEdit, WithoutEditingTheListHasNoEditButton) {
    writeList(kDropdownOnly + "a\r\nb\r\n");
    start();
    session.user.click(form().cmdDD);
    EXPECT_FALSE(form().cmdEditList.Visible());
    EXPECT_EQ(form().Height(), 320 + 520);
}

TEST_F(frmMainEdit, FlagLineThatIsNoNumberIsReportedAndTheEditGoesOn) {
    writeList("OnlyFromDropdown=yes\r\nAllowEditing=0\r\nCustomer\r\n");
    session.msgBox.expect(errorReport(vberr::TypeMismatch, "frmMain: Function Load_List", 40));
    start();
    EXPECT_TRUE(form().Visible());
    EXPECT_TRUE(form().cmdDD.Visible());
    session.user.type(form().txtNewValue, "s");
    leave();
    tick();
    EXPECT_EQ(writes(), (Writes{{"15", "Customers"}}));
}

TEST_F(frmMainEdit, TrueAndFalseAreFlagValues) {
    writeList("OnlyFromDropdown=True\r\nAllowEditing=False\r\n");
    start();
    session.user.type(form().txtNewValue, "x");
    EXPECT_EQ(form().txtNewValue.Text(), "Customer");
}

TEST_F(frmMainEdit, FailedWriteIsReportedAndTheRunEnds) {
    injector.failWith("View.SetField", vberr::AutomationError);
    session.msgBox.expect(errorReport(vberr::AutomationError, "frmMain: Function WriteData", 20));
    start();
    leave();
    tick();
    EXPECT_TRUE(ended());
    EXPECT_EQ(fieldValue(), kStartValue);
}

} // namespace corvane::trigger::test
