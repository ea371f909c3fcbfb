#include "forms/ComboBox.h"
#include "forms/ListBox.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

class ListControlTest : public ::testing::Test {
protected:
    ListControlTest() {
        cboFields.Click = [this] { clicks.push_back(cboFields.ListIndex()); };
        form.Show();
    }

    void addField(const std::string& label, int32_t id) {
        cboFields.AddItem(label);
        cboFields.setItemData(cboFields.NewIndex(), id);
    }

    std::vector<std::string> items(const ListControl& list) {
        std::vector<std::string> texts;
        for (int32_t i = 0; i < list.ListCount(); ++i) {
            texts.push_back(list.List(i));
        }
        return texts;
    }

    TestSession session;
    RecordingForm form{session.runtime, "Form1"};
    ComboBox cboFields{form, {.name = "cboFields"}, {.sorted = true}};
    std::vector<int32_t> clicks;
};

TEST_F(ListControlTest, SortedListInsertsIgnoringCaseAndItemDataTravelsWithItsItem) {
    addField("Zip", 3);
    addField("city", 7);
    addField("Area", 12);
    addField("b", 20);

    EXPECT_EQ(items(cboFields), (std::vector<std::string>{"Area", "b", "city", "Zip"}));
    EXPECT_EQ(cboFields.ItemData(0), 12);
    EXPECT_EQ(cboFields.ItemData(2), 7);
    EXPECT_EQ(cboFields.ItemData(3), 3);
}

TEST(ListControl, SortKeysOrderAsTheListDoes) {
    const std::vector<std::string> texts{"b", "B", "_x", "a b", "", "Zeta", "zet", "\xE9t\xE9", "ab", "[", "AB"};
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            EXPECT_EQ(ListControl::lessIgnoringCase(a, b), ListControl::sortKey(a) < ListControl::sortKey(b))
                << '"' << a << "\" < \"" << b << '"';
        }
    }
}

TEST_F(ListControlTest, InsertAtPositionStaysThereAndSelectionFollowsItsItem) {
    cboFields.AddItem("Alpha");
    cboFields.AddItem("Beta");
    cboFields.setListIndex(1);

    cboFields.AddItem("Zulu", 0);
    cboFields.setList(2, "Aardvark");

    EXPECT_EQ(items(cboFields), (std::vector<std::string>{"Zulu", "Alpha", "Aardvark"}));
    EXPECT_EQ(cboFields.ListIndex(), 2);
    EXPECT_EQ(cboFields.Text(), "Aardvark");
    expectVbError(vberr::InvalidProcedureCall, [&] { cboFields.AddItem("x", 4); });
}

TEST_F(ListControlTest, AppendedItemsKeepTheirOrderAndTheSelectionWithoutClick) {
    addField("Beta", 2);
    cboFields.setListIndex(0);
    clicks.clear();

    cboFields.AppendItems({"zulu", "Alpha"});
    cboFields.AppendItems({});

    EXPECT_EQ(items(cboFields), (std::vector<std::string>{"Beta", "zulu", "Alpha"}));
    EXPECT_EQ(cboFields.NewIndex(), 2);
    EXPECT_EQ(cboFields.ItemData(0), 2);
    EXPECT_EQ(cboFields.ItemData(2), 0);
    EXPECT_EQ(cboFields.ListIndex(), 0);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ListControlTest, SettingListIndexFiresClickEveryTimeAndTextFollows) {
    cboFields.AddItem("Full");
    cboFields.AddItem("Initialize");
    EXPECT_EQ(cboFields.Text(), "");

    cboFields.setListIndex(1);
    cboFields.setListIndex(1);
    session.user.pick(cboFields, 0);

    EXPECT_EQ(clicks, (std::vector<int32_t>{1, 1, 0}));
    EXPECT_EQ(cboFields.Text(), "Full");
    expectVbError(vberr::InvalidPropertyValue, [&] { cboFields.setListIndex(2); });
    expectVbError(vberr::InvalidPropertyValue, [&] { cboFields.setListIndex(-2); });
}

TEST_F(ListControlTest, RemovingOrClearingDropsTheSelectionWithoutClick) {
    cboFields.AddItem("a");
    cboFields.AddItem("b");
    cboFields.AddItem("c");
    cboFields.setListIndex(1);
    clicks.clear();

    cboFields.RemoveItem(0);
    EXPECT_EQ(cboFields.ListIndex(), 0);
    cboFields.RemoveItem(0);
    EXPECT_EQ(cboFields.ListIndex(), -1);
    cboFields.Clear();

    EXPECT_EQ(cboFields.ListCount(), 0);
    EXPECT_TRUE(clicks.empty());
    expectVbError(vberr::InvalidProcedureCall, [&] { cboFields.RemoveItem(0); });
    expectVbError(381, [&] { cboFields.ItemData(0); });
    EXPECT_EQ(cboFields.List(5), "");
}

TEST(ListBox, DoubleClickSelectsFirstAndKeyPressReachesTheList) {
    TestSession session;
    RecordingForm form(session.runtime, "frmEditList");
    ListBox lstItems(form, {.name = "lstItems"}, {.sorted = true});
    std::vector<std::string> events;
    lstItems.Click = [&] { events.push_back("Click " + lstItems.List(lstItems.ListIndex())); };
    lstItems.DblClick = [&] { events.push_back("DblClick"); };
    lstItems.KeyPress = [&](int16_t& key) { events.push_back("KeyPress " + std::to_string(key)); };
    lstItems.AddItem("red");
    lstItems.AddItem("Blue");
    form.Show();

    session.user.doubleClick(lstItems, 1);
    session.user.pressKey(lstItems, 13);
    lstItems.setTopIndex(1);

    EXPECT_EQ(events, (std::vector<std::string>{"Click red", "DblClick", "KeyPress 13"}));
    EXPECT_EQ(lstItems.TopIndex(), 1);
    expectVbError(vberr::InvalidPropertyValue, [&] { lstItems.setTopIndex(2); });
}

} // namespace
} // namespace corvane::forms::test
