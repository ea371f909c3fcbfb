#pragma once

#include "platform/win32/ui/WinApi.h"

#include <functional>

namespace corvane::forms::win32 {

/// A message-only window: it takes the program's own messages and timers, which every message loop
/// of the thread dispatches (the main loop, a modal form's, a message box's, a common dialog's).
class MessageWindow {
public:
    using Handler = std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)>;

    MessageWindow(HINSTANCE instance, Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND window() const { return window_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    HWND window_;
};

} // namespace corvane::forms::win32
