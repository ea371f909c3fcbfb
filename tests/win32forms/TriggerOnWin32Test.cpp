#include "tests/win32forms/TriggerOnWin32.h"
#include "tests/win32forms/MessageLoop.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32forms/WindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane::forms::win32::test {
namespace {

using Values = std::vector<std::string>;

/// The trigger's box is over ACT!'s field, in front, with the keyboard.
void startInFront(TriggerOnWin32& demo) {
    ASSERT_TRUE(demo.act.ready());
    demo.start();
    ASSERT_TRUE(demo.form().Visible());
    HWND box = demo.windowOf(demo.form());
    ASSERT_TRUE(pumpUntil([&] {
        return GetForegroundWindow() == box &&
               GetFocus() == WindowLayout::windowOf(demo.session.backend, demo.form().txtNewValue);
    }));
}

TEST(TriggerOnWin32, TheTypedValueGoesIntoActsFieldOnEnter) {
    TriggerOnWin32 demo;
    startInFront(demo);
    EXPECT_EQ(demo.form().txtNewValue.Text(), "Customer");
    RealInput::type("s");
    ASSERT_TRUE(pumpUntil([&] { return demo.form().txtNewValue.Text() == "Customers"; }));
    RealInput::press(VK_RETURN);
    // ACT! comes to the front, the trigger sends it the Enter and the next tick writes the value.
    ASSERT_TRUE(pumpUntil([&] { return demo.session.runtime.ended(); }));
    EXPECT_EQ(demo.writes(), Values{"Customers"});
    EXPECT_TRUE(pumpUntil([&] {
        const auto keys = demo.act.keysDown();
        return std::find(keys.begin(), keys.end(), WPARAM{VK_RETURN}) != keys.end();
    }));
    // The run removed its keyboard hook: the process may hook again.
    const Hhook hook = demo.session.windows.SetWindowsHookExA(WH_KEYBOARD_LL,
                                                              [](int32_t, int32_t, const KeyboardEvent&) { return 0; });
    EXPECT_NE(hook, 0);
    EXPECT_TRUE(demo.session.windows.UnhookWindowsHookEx(hook));
}

TEST(TriggerOnWin32, EscapeTypedIntoTheBoxPassesTheHookAndEndsTheEditWithoutWriting) {
    TriggerOnWin32 demo;
    startInFront(demo);
    RealInput::type("x");
    ASSERT_TRUE(pumpUntil([&] { return demo.form().txtNewValue.Text() == "Customerx"; }));
    RealInput::press(VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([&] { return demo.session.runtime.ended(); }));
    EXPECT_TRUE(demo.form().bEscape);
    EXPECT_FALSE(demo.form().bTab);
    EXPECT_EQ(demo.writes(), Values{});
}

TEST(TriggerOnWin32, TabTypedIntoTheBoxPassesTheHookAndWritesTheValue) {
    TriggerOnWin32 demo;
    startInFront(demo);
    RealInput::press(VK_BACK);
    ASSERT_TRUE(pumpUntil([&] { return demo.form().txtNewValue.Text() == "Custome"; }));
    RealInput::press(VK_TAB);
    ASSERT_TRUE(pumpUntil([&] { return demo.session.runtime.ended(); }));
    EXPECT_TRUE(demo.form().bTab);
    EXPECT_FALSE(demo.form().bEscape);
    EXPECT_EQ(demo.writes(), Values{"Custome"});
}

} // namespace
} // namespace corvane::forms::win32::test
