#pragma once

#include "forms/Hwnd.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvane::forms {

/// Handle of an installed hook, 0 for none.
using Hhook = int32_t;

inline constexpr int32_t WH_KEYBOARD_LL = 13;
inline constexpr int32_t HC_ACTION = 0;
inline constexpr int32_t WM_KEYDOWN = 0x0100;
inline constexpr int32_t WM_KEYUP = 0x0101;
inline constexpr int32_t VK_TAB = 9;
inline constexpr int32_t VK_RETURN = 13;
inline constexpr int32_t VK_ESCAPE = 27;

/// A screen rectangle in pixels; right and bottom lie just outside the window.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

/// The event record of a low-level keyboard hook.
struct KeyboardEvent {
    uint32_t vkCode = 0;
    uint32_t scanCode = 0;
    uint32_t flags = 0;
    uint32_t time = 0;
};

/// A low-level keyboard hook procedure: hook code, message (WM_KEYDOWN ...), event record. It returns
/// what the next hook returns unless it swallows the key.
using KeyboardHookProc = std::function<int32_t(int32_t code, int32_t message, const KeyboardEvent& event)>;

/// The window, focus and keyboard functions of the window system that the trigger uses, named as the
/// Windows functions they stand for. Real on Windows; simulated for tests and the Linux build.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    /// The window in the foreground, 0 when none.
    virtual Hwnd GetForegroundWindow() = 0;
    /// The identifier of the thread that created the window, 0 for an unknown window.
    virtual int32_t GetWindowThreadProcessId(Hwnd window) = 0;
    /// Joins (or separates) the input states of two threads; true on success.
    virtual bool AttachThreadInput(int32_t thread, int32_t toThread, bool attach) = 0;
    /// The window with the keyboard focus in the calling thread's (possibly joined) input state, or 0.
    virtual Hwnd GetFocus() = 0;
    /// Copies at most `maxCount - 1` characters of the window's class name into `name`; returns the
    /// number copied, 0 on failure.
    virtual int32_t GetClassNameA(Hwnd window, std::string& name, int32_t maxCount) = 0;
    /// The window's screen rectangle in pixels; false on failure.
    virtual bool GetWindowRect(Hwnd window, Rect& rect) = 0;
    /// Brings the window to the foreground; true on success.
    virtual bool SetForegroundWindow(Hwnd window) = 0;
    /// Installs a hook (only `WH_KEYBOARD_LL` is supported) for the whole desktop; 0 on failure.
    virtual Hhook SetWindowsHookExA(int32_t idHook, KeyboardHookProc proc) = 0;
    virtual bool UnhookWindowsHookEx(Hhook hook) = 0;
    /// Passes a hook event on to the next hook in the chain and returns its result.
    virtual int32_t CallNextHookEx(Hhook hook, int32_t code, int32_t message, const KeyboardEvent& event) = 0;
    /// A key's state now: the high bit (negative value) is set while the key is down.
    virtual int16_t GetAsyncKeyState(int32_t virtualKey) = 0;
    /// The identifier of the calling (UI) thread.
    virtual int32_t GetCurrentThreadId() = 0;
};

} // namespace corvane::forms
