#pragma once

#include "forms/FormObserver.h"
#include "forms/WindowSystem.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace corvane::forms {

class Runtime;

/// A window system in memory, driven by tests and by the Linux build. It holds other programs'
/// windows (thread, class name, rectangle, which of a thread's windows has the focus), the order of
/// windows from back to front (the program's own forms join it when shown, leave it when hidden),
/// keyboard hooks and key states.
///
/// Keys pressed "anywhere" are queued and reach the hooks from the program's message loop: the
/// simulator registers itself as a message source of the runtime. While a hook runs, the key is down
/// as `GetAsyncKeyState` tells.
class SimulatedWindowSystem : public WindowSystem, private FormObserver {
public:
    static constexpr int32_t kUiThread = 1;
    static constexpr const char* kFormClassName = "Form";

    explicit SimulatedWindowSystem(Runtime& runtime);
    ~SimulatedWindowSystem() override;
    SimulatedWindowSystem(const SimulatedWindowSystem&) = delete;
    SimulatedWindowSystem& operator=(const SimulatedWindowSystem&) = delete;

    // Scripting.
    /// Adds another program's window, created by `thread`, in front of all others.
    Hwnd addWindow(int32_t thread, std::string className, Rect rect);
    /// Puts a window in front, as if the user had clicked it.
    void bringToFront(Hwnd window);
    /// Gives the focus within the window's thread to the window (0 clears that thread's focus).
    void setFocus(int32_t thread, Hwnd window);
    /// Makes every `AttachThreadInput` fail.
    void setAttachFails(bool fails) { attachFails_ = fails; }
    /// Queues a press and release of a key for the hooks.
    void pressKey(int32_t virtualKey);
    /// Holds a key down (or lets it go), as far as `GetAsyncKeyState` tells.
    void setKeyDown(int32_t virtualKey, bool down);
    /// Delivers the queued keys to the hooks; the message loop calls it.
    void pumpInput();

    // Inspection.
    int hookCount() const { return static_cast<int>(hooks_.size()); }
    /// Threads whose input is joined with the UI thread now.
    const std::set<int32_t>& attachedThreads() const { return attached_; }

    // WindowSystem
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
    int32_t GetCurrentThreadId() override { return kUiThread; }

private:
    struct Window {
        int32_t thread = 0;
        std::string className;
        Rect rect;
    };

    void formShown(Form& form) override;
    void formHidden(Form& form) override;
    void deliver(int32_t message, int32_t virtualKey);
    int32_t callFrom(size_t position, int32_t code, int32_t message, const KeyboardEvent& event);

    Runtime& runtime_;
    int sourceId_;
    std::map<Hwnd, Window> windows_;
    std::vector<Hwnd> zOrder_; // back to front
    std::map<int32_t, Hwnd> focus_;
    std::set<int32_t> attached_;
    bool attachFails_ = false;
    std::vector<std::pair<Hhook, KeyboardHookProc>> hooks_; // newest first: the order hooks are called in
    Hhook nextHook_ = 1;
    Hwnd nextWindow_ = 0x100;
    std::deque<int32_t> pendingKeys_;
    std::set<int32_t> keysDown_;
};

} // namespace corvane::forms
