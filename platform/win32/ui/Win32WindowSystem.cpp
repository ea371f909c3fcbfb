#include "platform/win32/ui/Win32WindowSystem.h"

#include "forms/Form.h"
#include "forms/Runtime.h"
#include "platform/win32/ui/Win32Backend.h"

#include <utility>

namespace corvane::forms::win32 {

namespace {
/// The window system whose hook is installed; Windows calls the hook procedure with no context.
Win32WindowSystem* hooked = nullptr;
/// The event record Windows passed with the call in progress, handed on unchanged to the next hook.
LPARAM eventInProgress = 0;
} // namespace

Win32WindowSystem::Win32WindowSystem(Win32Backend& backend, Runtime& runtime) : backend_(backend), runtime_(runtime) {}

Win32WindowSystem::~Win32WindowSystem() {
    if (hook_) {
        UnhookWindowsHookEx(hook_->handle);
    }
}

Hwnd Win32WindowSystem::handleOf(HWND window) {
    if (window == nullptr) {
        return 0;
    }
    // A form's own window only: its controls are windows of their own.
    if (Form* form = backend_.formOf(window); form != nullptr && backend_.nativeOf(form->hWnd()) == window) {
        return form->hWnd();
    }
    auto [entry, added] = handles_.try_emplace(window, 0);
    if (added) {
        entry->second = runtime_.newHandle();
        natives_[entry->second] = window;
    }
    return entry->second;
}

HWND Win32WindowSystem::nativeOf(Hwnd window) {
    if (HWND form = backend_.nativeOf(window)) {
        return form;
    }
    auto found = natives_.find(window);
    return found == natives_.end() ? nullptr : found->second;
}

Hwnd Win32WindowSystem::GetForegroundWindow() {
    return handleOf(::GetForegroundWindow());
}

int32_t Win32WindowSystem::GetWindowThreadProcessId(Hwnd window) {
    HWND native = nativeOf(window);
    return native == nullptr ? 0 : static_cast<int32_t>(::GetWindowThreadProcessId(native, nullptr));
}

bool Win32WindowSystem::AttachThreadInput(int32_t thread, int32_t toThread, bool attach) {
    return ::AttachThreadInput(static_cast<DWORD>(thread), static_cast<DWORD>(toThread), attach ? TRUE : FALSE) !=
           FALSE;
}

Hwnd Win32WindowSystem::GetFocus() {
    return handleOf(::GetFocus());
}

int32_t Win32WindowSystem::GetClassNameA(Hwnd window, std::string& name, int32_t maxCount) {
    HWND native = nativeOf(window);
    name.clear();
    if (native == nullptr || maxCount <= 0) {
        return 0;
    }
    std::string buffer(static_cast<size_t>(maxCount), '\0');
    const int copied = ::GetClassNameA(native, buffer.data(), maxCount);
    name.assign(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
    return copied;
}

bool Win32WindowSystem::GetWindowRect(Hwnd window, Rect& rect) {
    HWND native = nativeOf(window);
    RECT at{};
    if (native == nullptr || ::GetWindowRect(native, &at) == FALSE) {
        return false;
    }
    rect = {at.left, at.top, at.right, at.bottom};
    return true;
}

bool Win32WindowSystem::SetForegroundWindow(Hwnd window) {
    HWND native = nativeOf(window);
    return native != nullptr && ::SetForegroundWindow(native) != FALSE;
}

Hhook Win32WindowSystem::SetWindowsHookExA(int32_t idHook, KeyboardHookProc proc) {
    if (idHook != WH_KEYBOARD_LL || hook_ || hooked != nullptr) {
        return 0;
    }
    HHOOK native = ::SetWindowsHookExA(WH_KEYBOARD_LL, &Win32WindowSystem::keyboardProc, GetModuleHandleA(nullptr), 0);
    if (native == nullptr) {
        return 0;
    }
    hook_ = Hook{runtime_.newHandle(), native, std::move(proc)};
    hooked = this;
    return hook_->handle;
}

bool Win32WindowSystem::UnhookWindowsHookEx(Hhook hook) {
    if (!hook_ || hook_->handle != hook) {
        return false;
    }
    const bool removed = ::UnhookWindowsHookEx(hook_->native) != FALSE;
    hook_.reset();
    hooked = nullptr;
    return removed;
}

int32_t Win32WindowSystem::CallNextHookEx(Hhook hook, int32_t code, int32_t message, const KeyboardEvent& event) {
    KBDLLHOOKSTRUCT record{event.vkCode, event.scanCode, event.flags, event.time, 0};
    const LPARAM passed = eventInProgress != 0 ? eventInProgress : reinterpret_cast<LPARAM>(&record);
    HHOOK native = hook_ && hook_->handle == hook ? hook_->native : nullptr;
    return static_cast<int32_t>(::CallNextHookEx(native, code, static_cast<WPARAM>(message), passed));
}

LRESULT CALLBACK Win32WindowSystem::keyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (hooked == nullptr || !hooked->hook_) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const auto& record = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const KeyboardEvent event{record.vkCode, record.scanCode, record.flags, record.time};
    const LPARAM outer = std::exchange(eventInProgress, lParam);
    // The hook must not let a failure into Windows; the trigger's procedure reports none.
    LRESULT result = 0;
    try {
        result = hooked->hook_->proc(code, static_cast<int32_t>(wParam), event);
    } catch (...) {
        result = ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    eventInProgress = outer;
    return result;
}

int16_t Win32WindowSystem::GetAsyncKeyState(int32_t virtualKey) {
    return ::GetAsyncKeyState(virtualKey);
}

int32_t Win32WindowSystem::GetCurrentThreadId() {
    return static_cast<int32_t>(::GetCurrentThreadId());
}

} // namespace corvane::forms::win32
