#include "forms/CheckBox.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

TEST(CheckBox, ValueChangeFiresClickByCodeAndByUser) {
    TestSession session;
    RecordingForm form(session.runtime, "frmTest");
    CheckBox chkEdit(form, {.name = "chkEdit"}, {.caption = "Allow editing"});
    std::vector<int16_t> clicks;
    chkEdit.Click = [&] { clicks.push_back(chkEdit.Value()); };
    form.Show();

    chkEdit.setValue(vbChecked);
    chkEdit.setValue(vbChecked);
    session.user.click(chkEdit);
    chkEdit.setValue(vbGrayed);

    EXPECT_EQ(clicks, (std::vector<int16_t>{vbChecked, vbUnchecked, vbGrayed}));
}

TEST(CheckBox, ValueOtherThanZeroOneTwoIsInvalidProperty) {
    TestSession session;
    RecordingForm form(session.runtime, "frmTest");
    CheckBox chkEdit(form, {.name = "chkEdit"}, {.value = vbChecked});
    int clicks = 0;
    chkEdit.Click = [&] { ++clicks; };

    expectVbError(vberr::InvalidPropertyValue, [&] { chkEdit.setValue(-1); });
    expectVbError(vberr::InvalidPropertyValue, [&] { chkEdit.setValue(3); });
    EXPECT_EQ(chkEdit.Value(), vbChecked);
    EXPECT_EQ(clicks, 0);
}

} // namespace
} // namespace corvane::forms::test
