#include "forms/SimulatedWindowSystem.h"

#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

constexpr int32_t kActThread = 7;

class SimulatedWindowSystemTest : public ::testing::Test {
protected:
    TestSession session;
    SimulatedWindowSystem& windows = session.windows;
    Hwnd act = windows.addWindow(kActThread, "ACT3Frame", {0, 0, 800, 600});
    Hwnd field = windows.addWindow(kActThread, "Edit", {100, 300, 300, 320});
};

TEST_F(SimulatedWindowSystemTest, ShownFormsComeToTheFrontAndHiddenOnesLeaveIt) {
    RecordingForm form(session.runtime, "frmMain");
    windows.bringToFront(act);
    EXPECT_EQ(windows.GetForegroundWindow(), act);

    form.Show();
    EXPECT_EQ(windows.GetForegroundWindow(), form.hWnd());
    EXPECT_EQ(windows.GetWindowThreadProcessId(form.hWnd()), windows.GetCurrentThreadId());

    windows.bringToFront(act);
    EXPECT_TRUE(windows.SetForegroundWindow(form.hWnd()));
    EXPECT_EQ(windows.GetForegroundWindow(), form.hWnd());

    form.Hide();
    EXPECT_EQ(windows.GetForegroundWindow(), act);
    EXPECT_FALSE(windows.SetForegroundWindow(form.hWnd()));
}

TEST_F(SimulatedWindowSystemTest, FocusOfAnotherThreadIsSeenOnlyWithItsInputAttached) {
    windows.setFocus(kActThread, field);
    int32_t own = windows.GetCurrentThreadId();

    EXPECT_EQ(windows.GetFocus(), 0);
    ASSERT_TRUE(windows.AttachThreadInput(own, kActThread, true));
    EXPECT_EQ(windows.GetFocus(), field);
    ASSERT_TRUE(windows.AttachThreadInput(own, kActThread, false));
    EXPECT_EQ(windows.GetFocus(), 0);

    EXPECT_FALSE(windows.AttachThreadInput(own, own, true));
    EXPECT_FALSE(windows.AttachThreadInput(own, 99, true));
    windows.setAttachFails(true);
    EXPECT_FALSE(windows.AttachThreadInput(own, kActThread, true));
}

TEST_F(SimulatedWindowSystemTest, ClassNameIsCutToTheBufferAndRectIsInPixels) {
    std::string name;
    EXPECT_EQ(windows.GetClassNameA(field, name, 256), 4);
    EXPECT_EQ(name, "Edit");
    EXPECT_EQ(windows.GetClassNameA(act, name, 4), 3);
    EXPECT_EQ(name, "ACT");
    EXPECT_EQ(windows.GetClassNameA(12345, name, 256), 0);

    Rect rect;
    ASSERT_TRUE(windows.GetWindowRect(field, rect));
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.bottom, 320);
}

TEST_F(SimulatedWindowSystemTest, KeysReachTheHooksFromTheMessageLoopWhileDown) {
    std::vector<std::string> seen;
    Hhook first = windows.SetWindowsHookExA(WH_KEYBOARD_LL, [&](int32_t, int32_t message, const KeyboardEvent& e) {
        seen.push_back("first " + std::to_string(e.vkCode) + (message == WM_KEYDOWN ? " down" : " up"));
        return 5;
    });
    Hhook second = 0;
    second = windows.SetWindowsHookExA(WH_KEYBOARD_LL, [&](int32_t code, int32_t message, const KeyboardEvent& e) {
        bool escapeDown = windows.GetAsyncKeyState(VK_ESCAPE) < 0;
        seen.push_back(std::string("second ") + (escapeDown ? "escape" : "-"));
        return windows.CallNextHookEx(second, code, message, e) + 1;
    });
    ASSERT_NE(first, 0);

    windows.pressKey(VK_ESCAPE);
    EXPECT_TRUE(seen.empty());
    session.processEvents();

    EXPECT_EQ(seen, (std::vector<std::string>{"second escape", "first 27 down", "second escape", "first 27 up"}));
    EXPECT_EQ(windows.GetAsyncKeyState(VK_ESCAPE), 0);
    EXPECT_TRUE(windows.UnhookWindowsHookEx(second));
    EXPECT_FALSE(windows.UnhookWindowsHookEx(second));
    EXPECT_EQ(windows.hookCount(), 1);
    EXPECT_EQ(windows.SetWindowsHookExA(2, [](int32_t, int32_t, const KeyboardEvent&) { return 0; }), 0);
}

} // namespace
} // namespace corvane::forms::test
