#include "tests/win32forms/ActWindow.h"
#include "tests/win32forms/MessageLoop.h"
#include "tests/win32forms/ProgramOnWin32.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32forms/SampleDialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane::forms::win32::test {
namespace {

constexpr RECT kField{100, 300, 300, 320};

TEST(Win32WindowSystem, KnowsItsOwnFormsByTheirHandleAndOtherWindowsByNewOnes) {
    Win32Session session(testFacts());
    Win32WindowSystem& windows = session.windows;
    SampleDialog form(session.runtime);
    form.Show();
    HWND native = session.backend.windowOf(form)->window();
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == native; }));
    EXPECT_EQ(windows.GetForegroundWindow(), form.hWnd());
    EXPECT_EQ(windows.handleOf(native), form.hWnd());
    // A control of the form is a window of its own, not the form.
    HWND button = GetWindow(native, GW_CHILD);
    EXPECT_NE(windows.handleOf(button), form.hWnd());

    ActWindow act(kField);
    ASSERT_TRUE(act.ready());
    const Hwnd actWindow = windows.GetForegroundWindow();
    EXPECT_NE(actWindow, 0);
    EXPECT_NE(actWindow, form.hWnd());
    EXPECT_EQ(windows.GetForegroundWindow(), actWindow); // the same handle each time
    EXPECT_EQ(windows.nativeOf(actWindow), act.window());
    EXPECT_EQ(windows.GetWindowThreadProcessId(actWindow), static_cast<int32_t>(act.threadId()));

    // The focus of ACT!'s thread, asked as the trigger asks it.
    const int32_t own = windows.GetCurrentThreadId();
    EXPECT_EQ(own, static_cast<int32_t>(GetCurrentThreadId()));
    ASSERT_TRUE(windows.AttachThreadInput(own, static_cast<int32_t>(act.threadId()), true));
    const Hwnd field = windows.GetFocus();
    EXPECT_TRUE(windows.AttachThreadInput(own, static_cast<int32_t>(act.threadId()), false));
    EXPECT_EQ(windows.nativeOf(field), act.field());
    std::string className;
    EXPECT_EQ(windows.GetClassNameA(field, className, 256), 4);
    EXPECT_EQ(className, "Edit");
    Rect at;
    ASSERT_TRUE(windows.GetWindowRect(field, at));
    EXPECT_EQ(std::vector<int32_t>({at.left, at.top, at.right, at.bottom}),
              std::vector<int32_t>({kField.left, kField.top, kField.right, kField.bottom}));

    EXPECT_TRUE(windows.SetForegroundWindow(form.hWnd()));
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == native; }));
    EXPECT_EQ(windows.GetWindowThreadProcessId(form.hWnd()), own);
    // A handle nobody gave out names no window.
    EXPECT_EQ(windows.nativeOf(actWindow + 1000), nullptr);
    EXPECT_FALSE(windows.GetWindowRect(actWindow + 1000, at));
    EXPECT_EQ(windows.GetClassNameA(actWindow + 1000, className, 256), 0);
}

TEST(Win32WindowSystem, OneKeyboardHookPerProcessSeesTypedKeysUntilRemoved) {
    Win32Session session(testFacts());
    Win32WindowSystem& windows = session.windows;
    SampleDialog form(session.runtime);
    form.Show();
    ASSERT_TRUE(pumpUntil([&] { return session.backend.formOf(GetForegroundWindow()) == &form; }));
    form.txtValue.SetFocus();
    std::vector<uint32_t> seen;
    const auto proc = [&](int32_t code, int32_t message, const KeyboardEvent& event) {
        if (code == HC_ACTION && message == WM_KEYDOWN) {
            seen.push_back(event.vkCode);
        }
        return windows.CallNextHookEx(0, code, message, event);
    };
    EXPECT_EQ(windows.SetWindowsHookExA(2 /* WH_KEYBOARD */, proc), 0);
    const Hhook hook = windows.SetWindowsHookExA(WH_KEYBOARD_LL, proc);
    ASSERT_NE(hook, 0);
    EXPECT_EQ(windows.SetWindowsHookExA(WH_KEYBOARD_LL, proc), 0);
    Win32WindowSystem other(session.backend, session.runtime);
    EXPECT_EQ(other.SetWindowsHookExA(WH_KEYBOARD_LL, proc), 0);

    RealInput::type("a");
    RealInput::press(VK_F2);
    EXPECT_TRUE(pumpUntil([&] { return seen.size() >= 2; }));
    EXPECT_EQ(seen, (std::vector<uint32_t>{'A', VK_F2}));
    // The hook passed the keys on: the text box got its character.
    EXPECT_TRUE(pumpUntil([&] { return form.txtValue.Text() == "a"; }));

    EXPECT_TRUE(windows.UnhookWindowsHookEx(hook));
    EXPECT_FALSE(windows.UnhookWindowsHookEx(hook));
    RealInput::type("b");
    EXPECT_TRUE(pumpUntil([&] { return form.txtValue.Text() == "ab"; }));
    EXPECT_EQ(seen.size(), 2U);
    // Once removed, the process may hook again.
    const Hhook again = other.SetWindowsHookExA(WH_KEYBOARD_LL, proc);
    EXPECT_NE(again, 0);
    EXPECT_TRUE(other.UnhookWindowsHookEx(again));
}

} // namespace
} // namespace corvane::forms::win32::test
