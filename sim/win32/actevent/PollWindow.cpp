#include "sim/win32/actevent/PollWindow.h"

#include "common/RuntimeError.h"

namespace corvane::sim::win32 {

namespace {
constexpr const char* kClass = "ActsimEventPoll";
constexpr UINT_PTR kTimer = 1;
} // namespace

PollWindow::PollWindow(HMODULE module, UINT intervalMs, std::function<void()> tick) : tick_(std::move(tick)) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(module, kClass, &known) == FALSE) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &PollWindow::windowProc;
        windowClass.hInstance = module;
        windowClass.lpszClassName = kClass;
        RegisterClassExA(&windowClass);
    }
    window_ = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    if (window_ == nullptr) {
        throw RuntimeError(vberr::OutOfMemory);
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(window_, kTimer, intervalMs, nullptr);
}

PollWindow::~PollWindow() {
    DestroyWindow(window_);
}

void PollWindow::unregisterClass(HMODULE module) {
    UnregisterClassA(kClass, module);
}

LRESULT CALLBACK PollWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PollWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == WM_TIMER && self != nullptr) {
        self->tick_();
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

} // namespace corvane::sim::win32
