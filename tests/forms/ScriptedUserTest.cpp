#include "forms/headless/ScriptedUser.h"

#include "forms/CommandButton.h"
#include "forms/Frame.h"
#include "forms/Menu.h"
#include "forms/TextBox.h"
#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

TEST(ScriptedUser, CannotReachHiddenOrDisabledControlsOrMenus) {
    QuietSession session;
    RecordingForm form(session.runtime, "Form1");
    Frame fraFiles(form, {.name = "fraFiles", .visible = false});
    CommandButton cmdSave(fraFiles, {.name = "cmdSave"}, {.caption = "Save"});
    CommandButton cmdClose(form, {.name = "cmdClose", .enabled = false});
    Menu mnuOptions(form, {.name = "mnuOptions", .caption = "&Options", .enabled = false});
    Menu mnuLocation(mnuOptions, {.name = "mnuLocation", .caption = "Settings &Locations"});
    int clicks = 0;
    cmdSave.Click = [&] { ++clicks; };
    cmdClose.Click = [&] { ++clicks; };
    mnuLocation.Click = [&] { ++clicks; };

    session.user.click(cmdSave);
    form.Show();
    session.user.click(cmdSave);
    session.user.click(cmdClose);
    session.user.click(mnuLocation);
    fraFiles.setVisible(true);
    mnuOptions.setEnabled(true);
    session.user.click(cmdSave);
    session.user.click(mnuLocation);

    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(session.failures.failures().size(), 4U);
    EXPECT_EQ(session.failures.failures()[2], "The user cannot click cmdClose of Form1: it is hidden or disabled");
}

TEST(ScriptedUser, KeysTypedInAFormPassTheKeyboardHooksFirst) {
    TestSession session;
    RecordingForm form(session.runtime, "frmAdd");
    TextBox txtItem(form, {.name = "txtItem"});
    std::string order;
    session.windows.SetWindowsHookExA(WH_KEYBOARD_LL, [&](int32_t, int32_t message, const KeyboardEvent& e) {
        if (message == WM_KEYDOWN) {
            order += "hook " + std::to_string(e.vkCode) + ";";
        }
        return 0;
    });
    txtItem.KeyPress = [&](int16_t& key) { order += "key " + std::to_string(key) + ";"; };
    form.Show();

    session.user.type(txtItem, "a");
    session.user.pressKey(form, 9);
    session.user.pressEscape(form);

    EXPECT_EQ(order, "hook 65;key 97;hook 9;hook 27;key 27;");
}

} // namespace
} // namespace corvane::forms::test
