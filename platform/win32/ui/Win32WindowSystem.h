#pragma once

#include "forms/WindowSystem.h"
#include "platform/win32/ui/WinApi.h"

#include <map>
#include <optional>

namespace corvane::forms {
class Runtime;
}

namespace corvane::forms::win32 {

class Win32Backend;

/// The window, focus and keyboard functions of Windows itself.
///
/// Handles: a program form's window is known by its form's handle (`Form::hWnd`), so the trigger can
/// compare the foreground window with its own form; any other window gets a handle of its own the
/// first time it is seen (from the runtime's numbering, so it never equals a form's), kept for the
/// run. The low-level keyboard hook is one per process, as the trigger installs it.
class Win32WindowSystem : public WindowSystem {
public:
    Win32WindowSystem(Win32Backend& backend, Runtime& runtime);
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    Hwnd GetForegroundWindow() override;
    int32_t GetWindowThreadProcessId(Hwnd window) override;
    bool AttachThreadInput(int32_t thread, int32_t toThread, bool attach) override;
    Hwnd GetFocus() override;
    int32_t GetClassNameA(Hwnd window, std::string& name, int32_t maxCount) override;
    bool GetWindowRect(Hwnd window, Rect& rect) override;
    bool SetForegroundWindow(Hwnd window) override;
    Hhook SetWindowsHookExA(int32_t idHook, KeyboardHookProc proc) override;
    bool UnhookWindowsHookEx(Hhook hook) override;
    int32_t CallNextHookEx(Hhook hook, int32_t code, int32_t message, const KeyboardEvent& event) override;
    int16_t GetAsyncKeyState(int32_t virtualKey) override;
    int32_t GetCurrentThreadId() override;

    /// The handle of a native window, as the functions above give it.
    Hwnd handleOf(HWND window);
    /// The native window of a handle, or null for one nobody gave out.
    HWND nativeOf(Hwnd window);

private:
    struct Hook {
        Hhook handle;
        HHOOK native;
        KeyboardHookProc proc;
    };
    static LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam);

    Win32Backend& backend_;
    Runtime& runtime_;
    std::map<HWND, Hwnd> handles_;
    std::map<Hwnd, HWND> natives_;
    std::optional<Hook> hook_;
};

} // namespace corvane::forms::win32
