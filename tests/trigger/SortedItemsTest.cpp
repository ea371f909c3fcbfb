#include "trigger/SortedItems.h"

#include "forms/Form.h"
#include "forms/ListBox.h"
#include "forms/headless/HeadlessSession.h"

#include <gtest/gtest.h>

namespace corvane::trigger {
namespace {

struct ListForm : forms::Form {
    explicit ListForm(forms::Runtime& runtime) : Form(runtime, {.name = "frmList"}) {}
    forms::ListBox one{*this, {.name = "one"}, {.sorted = true}};
    forms::ListBox all{*this, {.name = "all"}, {.sorted = true}};
};

TEST(SortedItems, GiveTheOrderOfAddingOneByOne) {
    forms::headless::HeadlessSession session;
    ListForm form(session.runtime);
    const std::vector<std::string> items{"beta", "Alpha", "b", "B", "_x", "alpha", "Beta", "a b", "", "zeta", "b"};
    for (const std::string& item : items) {
        form.one.AddItem(item);
    }
    addItemsSorted(form.all, items);
    ASSERT_EQ(form.all.ListCount(), form.one.ListCount());
    for (int32_t i = 0; i < form.one.ListCount(); ++i) {
        EXPECT_EQ(form.all.List(i), form.one.List(i)) << "at " << i;
    }
}

} // namespace
} // namespace corvane::trigger
