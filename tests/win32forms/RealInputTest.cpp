#include "tests/win32forms/RealInput.h"
#include "tests/win32forms/Cue.h"
#include "tests/win32forms/MessageLoop.h"
#include "tests/win32forms/ProgramOnWin32.h"
#include "tests/win32forms/SampleDialog.h"
#include "tests/win32forms/WindowLayout.h"

#include "platform/win32/ui/WindowText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane::forms::win32::test {
namespace {

using Events = std::vector<std::string>;

/// A session of the test program with the sample dialog.
struct SampleSession {
    SampleSession() : session(testFacts()) {}

    HWND windowOf(Control& control) { return WindowLayout::windowOf(session.backend, control); }
    bool inFront() {
        FormWindow* window = session.backend.windowOf(form);
        return window != nullptr && GetForegroundWindow() == window->window();
    }
    bool happened(const std::string& event) const {
        return std::find(form.events.begin(), form.events.end(), event) != form.events.end();
    }

    Win32Session session;
    SampleDialog form{session.runtime};
};

TEST(Win32RealInput, ClicksAndTheSpaceBarReachTheHandlersInTheMainLoop) {
    SampleSession sample;
    sample.form.Show();
    Cue clicks([&] { return sample.inFront(); },
               [&] {
                   RealInput::click(sample.windowOf(sample.form.cmdApply));
                   RealInput::click(sample.windowOf(sample.form.optUsers(1)));
                   RealInput::clickAt(WindowLayout::listItemOnScreen(sample.windowOf(sample.form.lstItems), 1));
               },
               endOf(sample.session));
    Cue space([&] { return sample.happened("lstItems_Click 1"); },
              [&] {
                  sample.form.chkOnly.SetFocus();
                  RealInput::press(VK_SPACE);
              },
              endOf(sample.session));
    // The windows show what the model says, read before the program ends and its windows go.
    LRESULT globalShown = -1;
    LRESULT checkShown = -1;
    Cue done([&] { return sample.happened("chkOnly_Click 1"); },
             [&] {
                 globalShown = SendMessageA(sample.windowOf(sample.form.optUsers(0)), BM_GETCHECK, 0, 0);
                 checkShown = SendMessageA(sample.windowOf(sample.form.chkOnly), BM_GETCHECK, 0, 0);
                 sample.session.runtime.End();
             },
             endOf(sample.session));
    sample.session.run();

    EXPECT_TRUE(done.fired());
    EXPECT_EQ(sample.form.events,
              (Events{"cmdApply_Click", "optUsers_Click 1", "lstItems_Click 1", "chkOnly_Click 1"}));
    EXPECT_TRUE(sample.form.optUsers(1).Value());
    EXPECT_FALSE(sample.form.optUsers(0).Value());
    EXPECT_EQ(globalShown, BST_UNCHECKED);
    EXPECT_EQ(checkShown, BST_CHECKED);
    EXPECT_EQ(sample.form.lstItems.List(sample.form.lstItems.ListIndex()), "green");
}

TEST(Win32RealInput, TypingGoesThroughKeyPressAndEnterAndEscapeReachTheDialogsButtons) {
    SampleSession sample;
    SampleDialog owner(sample.session.runtime, "frmOwner");
    owner.Show();
    std::string shownWhileOpen;
    Cue typing([&] { return sample.inFront(); },
               [&] {
                   sample.form.txtValue.SetFocus();
                   RealInput::type("axb");
                   RealInput::press(VK_BACK);
               },
               endOf(sample.session));
    Cue buttons([&] { return sample.form.txtValue.Text() == "a"; },
                [&] {
                    shownWhileOpen = windowText(sample.windowOf(sample.form.txtValue));
                    RealInput::press(VK_RETURN);
                    RealInput::press(VK_ESCAPE);
                },
                endOf(sample.session));
    const Cue deadline = Cue::deadline(endOf(sample.session));
    sample.session.runtime.dispatch([&] { sample.form.Show(true); });

    EXPECT_FALSE(sample.form.Loaded());
    EXPECT_TRUE(owner.Loaded());
    EXPECT_EQ(shownWhileOpen, "a");
    EXPECT_EQ(sample.form.events,
              (Events{"txtValue_KeyPress 97", "txtValue_Change", "txtValue_KeyPress 120", "txtValue_KeyPress 98",
                      "txtValue_Change", "txtValue_KeyPress 8", "txtValue_Change", "cmdOK_Click", "cmdCancel_Click"}));
}

TEST(Win32RealInput, TabMovesTheFocusInTheOrderTheControlsWereMade) {
    SampleSession sample;
    sample.form.Show();
    ASSERT_TRUE(pumpUntil([&] { return sample.inFront(); }));
    EXPECT_EQ(sample.form.ActiveControl(), &sample.form.txtValue); // the first control takes the keyboard
    const auto focusedName = [&] {
        Control* control = sample.form.ActiveControl();
        return control == nullptr ? std::string("none") : control->Name();
    };
    Events visited;
    // The option buttons were made last; of their group only the chosen one is on the way.
    for (const char* next : {"chkOnly", "cmdApply", "lstItems", "cmdOK", "cmdCancel", "optUsers", "txtValue"}) {
        RealInput::press(VK_TAB);
        pumpUntil([&] { return focusedName() == next; });
        visited.push_back(focusedName());
    }
    RealInput::press(VK_TAB, true);
    pumpUntil([&] { return focusedName() == "optUsers"; });
    visited.push_back(focusedName());

    EXPECT_EQ(visited,
              (Events{"chkOnly", "cmdApply", "lstItems", "cmdOK", "cmdCancel", "optUsers", "txtValue", "optUsers"}));
    EXPECT_EQ(GetFocus(), sample.windowOf(sample.form.optUsers(0)));
    EXPECT_EQ(sample.form.events, Events{}); // moving the focus clicks nothing
}

TEST(Win32RealInput, EditsTheControlMakesOnItsOwnReachTheModel) {
    SampleSession sample;
    sample.form.Show();
    ASSERT_TRUE(pumpUntil([&] { return sample.inFront(); }));
    sample.form.txtValue.setText("abc");
    sample.form.txtValue.SetFocus();
    RealInput::press(VK_HOME);
    RealInput::press(VK_DELETE);
    EXPECT_TRUE(pumpUntil([&] { return sample.form.txtValue.Text() == "bc"; }));
    RealInput::type("\xE9");
    EXPECT_TRUE(pumpUntil([&] {
        return sample.form.txtValue.Text() == "\xE9"
                                              "bc";
    })) << sample.form.txtValue.Text();
    EXPECT_EQ(windowText(sample.windowOf(sample.form.txtValue)), "\xE9"
                                                                 "bc");
}

} // namespace
} // namespace corvane::forms::win32::test
