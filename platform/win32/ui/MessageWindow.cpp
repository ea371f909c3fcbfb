#include "platform/win32/ui/MessageWindow.h"

#include "platform/win32/ui/WindowClass.h"

#include <utility>

namespace corvane::forms::win32 {

namespace {
constexpr const char* kMessageClass = "CorvaneMessages";
} // namespace

MessageWindow::MessageWindow(HINSTANCE instance, Handler handler) : handler_(std::move(handler)) {
    ensureWindowClass(instance, kMessageClass, &MessageWindow::windowProc);
    window_ = CreateWindowExA(0, kMessageClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageWindow::~MessageWindow() {
    DestroyWindow(window_);
}

LRESULT CALLBACK MessageWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && (msg == WM_TIMER || msg >= WM_APP)) {
        self->handler_(msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

} // namespace corvane::forms::win32
