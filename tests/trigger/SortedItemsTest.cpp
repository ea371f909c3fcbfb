#include "trigger/SortedItems.h"

#include "forms/Form.h"
#include "forms/ListBox.h"
#include "forms/headless/HeadlessSession.h"

#include <gtest/gtest.h>

namespace corvane::trigger {
namespace {

TEST(SortedItems, GiveTheOrderOfAddingOneByOne) {
    forms::headless::HeadlessSession session;
    forms::Form form(session.runtime, {.name = "frmList"});
    forms::ListBox one{form, {.name = "one"}, {.sorted = true}};
    forms::ListBox all{form, {.name = "all"}, {.sorted = true}};
    const std::vector<std::string> items{"beta", "Alpha", "b", "B", "_x", "alpha", "Beta", "a b", "zeta", "b"};
    for (const std::string& item : items) {
        one.AddItem(item);
    }
    addItemsSorted(all, items);
    ASSERT_EQ(all.ListCount(), one.ListCount());
    for (int32_t i = 0; i < one.ListCount(); ++i) {
        EXPECT_EQ(all.List(i), one.List(i)) << "at " << i;
    }
}

} // namespace
} // namespace corvane::trigger
