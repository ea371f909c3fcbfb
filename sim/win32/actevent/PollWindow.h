#pragma once

#include "platform/win32/ui/WinApi.h"

#include <functional>

namespace corvane::sim::win32 {

/// A hidden (message-only) window of the calling thread whose timer calls `tick` at an interval, from
/// whatever message loop the thread runs: the host's main loop, a modal form's, a message box's. The
/// window goes with the object.
class PollWindow {
public:
    PollWindow(HMODULE module, UINT intervalMs, std::function<void()> tick);
    ~PollWindow();
    PollWindow(const PollWindow&) = delete;
    PollWindow& operator=(const PollWindow&) = delete;

    /// Removes the window class from the module, which is being unloaded.
    static void unregisterClass(HMODULE module);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    std::function<void()> tick_;
    HWND window_ = nullptr;
};

} // namespace corvane::sim::win32
