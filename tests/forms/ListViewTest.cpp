#include "forms/ListView.h"

#include "forms/Frame.h"
#include "forms/ImageList.h"
#include "tests/forms/TestSession.h"

#include <set>

namespace corvane::forms::test {
namespace {

class ListViewTest : public ::testing::Test {
protected:
    ListViewTest() {
        lvwUsers.ListItems().Add("U1", "Ann");
        lvwUsers.ListItems().Add("U2", "Bob");
        lvwUsers.MouseUp = [this](int button, int, float x, float y) {
            auto* selected = lvwUsers.SelectedItem();
            mouseUps.push_back(std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + "," +
                               std::to_string(static_cast<int>(y)) + " " + (selected ? selected->Key() : "-"));
        };
        form.Show();
    }

    TestSession session;
    RecordingForm form{session.runtime, "Form1"};
    Frame fraUsers{form, {.name = "fraUsers", .left = 240, .top = 135, .width = 5655, .height = 2580}};
    ListView lvwUsers{fraUsers,
                      {.name = "lvwUsers", .left = 240, .top = 525, .width = 4080, .height = 1665},
                      {.columns = {{"Users", "", 2000}, {"Rights", "Rights", 1500}}, .checkboxes = true}};
    ImageList ilsImages{{.name = "ilsImages", .imageWidth = 1, .imageHeight = 18, .imageCount = 1}};
    std::vector<std::string> mouseUps;
};

TEST_F(ListViewTest, GeometryComesFromColumnsHeaderAndSmallIcons) {
    EXPECT_EQ(lvwUsers.ColumnHeaders("Rights").Left(), 2000);
    EXPECT_EQ(lvwUsers.ColumnHeaders("Rights").Width(), 1500);
    EXPECT_EQ(lvwUsers.ColumnHeaders(1).Text(), "Users");
    EXPECT_EQ(lvwUsers.ListItems(2).Top(), 255 + 255);

    lvwUsers.setSmallIcons(&ilsImages);

    EXPECT_EQ(lvwUsers.ListItems(2).Top(), 255 + 270);
    EXPECT_EQ(lvwUsers.ListItems(2).Height(), 270);
    expectVbError(35601, [&] { lvwUsers.ColumnHeaders("Level"); });
}

TEST_F(ListViewTest, HitTestFindsTheRowUnderThePointAcrossAllColumns) {
    lvwUsers.setSmallIcons(&ilsImages);

    EXPECT_EQ(lvwUsers.HitTest(10, 255), &lvwUsers.ListItems(1));
    EXPECT_EQ(lvwUsers.HitTest(3499, 255 + 270), &lvwUsers.ListItems(2));
    EXPECT_EQ(lvwUsers.HitTest(10, 254), nullptr);
    EXPECT_EQ(lvwUsers.HitTest(10, 255 + 540), nullptr);
    EXPECT_EQ(lvwUsers.HitTest(3500, 300), nullptr);
}

TEST_F(ListViewTest, ScrolledRowsHaveTheirTopsAndHitsInTheVisibleList) {
    lvwUsers.setSmallIcons(&ilsImages);
    lvwUsers.userScroll(270);

    EXPECT_EQ(lvwUsers.ListItems(2).Top(), 255);
    EXPECT_EQ(lvwUsers.ListItems(1).Top(), 255 - 270);
    EXPECT_EQ(lvwUsers.HitTest(10, 255), &lvwUsers.ListItems(2));
    EXPECT_EQ(lvwUsers.HitTest(10, 254), nullptr); // the header still covers what lies above
}

TEST_F(ListViewTest, MouseUpSelectsTheItemUnderThePointerFirst) {
    session.user.mouseUp(lvwUsers, 2, 2100, 260 + 255);
    session.user.mouseUp(lvwUsers, 1, 100, 2000);

    EXPECT_EQ(mouseUps, (std::vector<std::string>{"2 2100,515 U2", "1 100,2000 U2"}));
    EXPECT_FALSE(lvwUsers.ListItems(1).Selected());
}

TEST_F(ListViewTest, ItemCheckFiresOnlyWhenTheUserChangesTheMark) {
    std::vector<std::string> checks;
    lvwUsers.ItemCheck = [&](ListItem& item) { checks.push_back(item.Key() + (item.Checked() ? "+" : "-")); };

    lvwUsers.ListItems(1).setChecked(true);
    session.user.check(lvwUsers, lvwUsers.ListItems(2), true);
    session.user.check(lvwUsers, lvwUsers.ListItems(2), true);
    session.user.check(lvwUsers, lvwUsers.ListItems(1), false);

    EXPECT_EQ(checks, (std::vector<std::string>{"U2+", "U1-"}));
}

TEST_F(ListViewTest, ItemsKeepKeyTextSubItemsAndTag) {
    ListItem& item = lvwUsers.ListItems(1);
    item.setSubItems(1, "Full");
    item.setTag("0");

    EXPECT_EQ(item.SubItems(1), "Full");
    EXPECT_EQ(lvwUsers.ListItems(2).SubItems(1), "");
    EXPECT_EQ(item.Tag(), "0");
    EXPECT_EQ(item.Index(), 1);
    expectVbError(vberr::InvalidPropertyValue, [&] { item.setSubItems(2, "x"); });
    expectVbError(35602, [&] { lvwUsers.ListItems().Add("U1", "Again"); });
    expectVbError(35600, [&] { lvwUsers.ListItems(3); });
}

// A backend redraws a row only when its item's revision is not the one it showed: every change a row
// shows must give a new one, and an item made after a Clear must not repeat one of a gone item.
TEST_F(ListViewTest, EveryChangeARowShowsGivesItsItemANewRevision) {
    std::set<uint64_t> seen;
    const auto fresh = [&](const ListItem& item) { return seen.insert(item.Revision()).second; };
    ListItem& ann = lvwUsers.ListItems(1);
    ListItem& bob = lvwUsers.ListItems(2);
    EXPECT_TRUE(fresh(ann));
    EXPECT_TRUE(fresh(bob));
    ann.setText("Anna");
    EXPECT_TRUE(fresh(ann));
    ann.setSubItems(1, "Full");
    EXPECT_TRUE(fresh(ann));
    ann.setChecked(true);
    EXPECT_TRUE(fresh(ann));
    ann.setSelected(true);
    EXPECT_TRUE(fresh(ann));
    const uint64_t annBefore = ann.Revision();
    ann.setTag("kept"); // the tag is not shown
    EXPECT_EQ(ann.Revision(), annBefore);
    bob.setSelected(true); // and Ann is no longer selected
    EXPECT_TRUE(fresh(bob));
    EXPECT_TRUE(fresh(ann));
    lvwUsers.ListItems().Clear();
    EXPECT_TRUE(fresh(lvwUsers.ListItems().Add("U1", "Ann")));
    EXPECT_TRUE(fresh(lvwUsers.ListItems().Add("U2", "Bob")));
}

} // namespace
} // namespace corvane::forms::test
