#include "trigger/modKeyboardHook.h"

#include "trigger/frmMain.h"

namespace corvane::trigger::modKeyboardHook {

namespace {
bool isDown(forms::WindowSystem& windows, int32_t virtualKey) {
    return windows.GetAsyncKeyState(virtualKey) < 0;
}
} // namespace

int32_t KeyboardHookProc(forms::WindowSystem& windows, frmMain& form, int32_t code, int32_t message,
                         const forms::KeyboardEvent& event) {
    if (code == forms::HC_ACTION) {
        if (isDown(windows, forms::VK_ESCAPE)) {
            form.bEscape = true;
        }
        if (isDown(windows, forms::VK_TAB)) {
            form.bTab = true;
        }
    }
    return windows.CallNextHookEx(form.hKeyboardHook, code, message, event);
}

} // namespace corvane::trigger::modKeyboardHook
