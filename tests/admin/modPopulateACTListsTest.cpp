#include "tests/admin/AdminFixture.h"

#include "common/ErrorReport.h"

namespace corvane::admin::test {

namespace {

using PopulateLists = AdminFixture;

std::vector<std::pair<std::string, int32_t>> itemsOf(const forms::ComboBox& box) {
    std::vector<std::pair<std::string, int32_t>> items;
    for (int32_t index = 0; index < box.ListCount(); ++index) {
        items.emplace_back(box.List(index), box.ItemData(index));
    }
    return items;
}

} // namespace

TEST_F(PopulateLists, OffersProtectedFieldsSortedByLabelCarryingTheirNumbers) {
    start();
    const std::vector<std::pair<std::string, int32_t>> expected{{"Area", 12}, {"City", 7}, {"Zip", 3}};
    EXPECT_EQ(itemsOf(form().cboFields), expected);
    // The walk asked every index up to the last field once, the hole included, and no further.
    EXPECT_EQ(injector.callsTo("Fields.ID").size(), 5U);
    EXPECT_EQ(injector.callsTo("Fields.EntryRule").size(), 4U);
}

TEST_F(PopulateLists, DatabaseWithoutFieldsGivesAnEmptyBoxAfterOnePass) {
    for (int16_t index = 0; index <= 4; ++index) {
        engine.fields().clearIndex(index);
    }
    start();
    EXPECT_EQ(form().cboFields.ListCount(), 0);
    EXPECT_EQ(injector.callsTo("Fields.ID").size(), 1U);
}

TEST_F(PopulateLists, FieldWhoseEntryRuleFailsIsLeftOutAndTheWalkGoesOn) {
    injector.inject("Fields.EntryRule", sim::Fault::raising(vberr::AutomationError).onlyWith({"7"}));
    session.msgBox.expect(
        errorReportText(RuntimeError(vberr::AutomationError), "modPopulateACTLists: Function Include_Field", 10));
    start();
    const std::vector<std::pair<std::string, int32_t>> expected{{"Area", 12}, {"Zip", 3}};
    EXPECT_EQ(itemsOf(form().cboFields), expected);
}

TEST_F(PopulateLists, CountBeyondTheLastFieldEndsWithTheFieldsFoundSoFar) {
    injector.returnValue("Fields.Count", int64_t{9});
    session.msgBox.expect(
        errorReportText(RuntimeError(vberr::SubscriptOutOfRange), "modPopulateACTLists: Sub Populate_cboFields", 20));
    start();
    EXPECT_EQ(form().cboFields.ListCount(), 3);
}

TEST_F(PopulateLists, BothUserListsHoldEveryUserKeyedByPosition) {
    engine.users().add("Sam", "dd", 0);
    start();
    for (forms::ListView* list : {&form().lvwUsers, &form().lvwSpecialUsers}) {
        ASSERT_EQ(list->ListItems().Count(), 4);
        std::vector<std::string> keys;
        std::vector<std::string> names;
        for (const auto& item : list->ListItems()) {
            keys.push_back(item->Key());
            names.push_back(item->Text());
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"U1", "U2", "U3", "U4"}));
        EXPECT_EQ(names, (std::vector<std::string>{"Dana", "Sam", "Alex", "Sam"}));
    }
}

} // namespace corvane::admin::test
