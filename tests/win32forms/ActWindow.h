#pragma once

#include "platform/win32/ui/WinApi.h"

#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace corvane::forms::win32::test {

/// ACT!'s window as the trigger meets it, played by the test: a top-level window of a thread of its
/// own covering the screen, with a field label and a focused "Edit" control at a given screen
/// rectangle, in the foreground. It notes the keys its edit control receives.
class ActWindow {
public:
    /// Starts the thread and waits (boundedly) until its window is in the foreground with the focus
    /// in the field.
    explicit ActWindow(RECT field);
    ~ActWindow();
    ActWindow(const ActWindow&) = delete;
    ActWindow& operator=(const ActWindow&) = delete;

    /// The window is there and was in the foreground with the field focused.
    bool ready() const { return ready_; }
    HWND window() const { return window_; }
    HWND field() const { return field_; }
    DWORD threadId() const { return threadId_; }
    /// ACT!'s window comes to the front again, with the focus in the field; returns once it is there.
    void bringToFront();
    /// The virtual keys pressed in the field so far, in order.
    std::vector<WPARAM> keysDown() const;

private:
    void run(RECT field);
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK fieldProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HWND field_ = nullptr;
    DWORD threadId_ = 0;
    WNDPROC fieldOriginal_ = nullptr;
    bool ready_ = false;
    mutable std::mutex mutex_;
    std::vector<WPARAM> keysDown_;
    std::promise<void> created_; // kept by the thread once its window is there
    std::thread thread_;
};

} // namespace corvane::forms::win32::test
