#include "tests/win32forms/MessageLoop.h"

#include "platform/win32/ui/FormWindow.h"

#include <algorithm>

namespace corvane::forms::win32::test {

namespace {
/// The longest the loop sleeps before it looks at the condition again: another thread may make it
/// hold without a message to this one.
constexpr DWORD kPollMs = 10;

void dispatchWaiting() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        FormWindow* form = FormWindow::of(message.hwnd);
        if (form != nullptr && form->dialogMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
} // namespace

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(patience.count());
    dispatchWaiting();
    while (!condition()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return false;
        }
        const auto wait = static_cast<DWORD>(std::min<ULONGLONG>(end - now, kPollMs));
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        dispatchWaiting();
    }
    return true;
}

void pumpPending() {
    dispatchWaiting();
}

} // namespace corvane::forms::win32::test
