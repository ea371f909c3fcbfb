#include "forms/SimulatedWindowSystem.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <algorithm>

namespace corvane::forms {

SimulatedWindowSystem::SimulatedWindowSystem(Runtime& runtime)
    : runtime_(runtime), sourceId_(runtime.addMessageSource([this] { pumpInput(); })) {
    runtime_.addFormObserver(*this);
}

SimulatedWindowSystem::~SimulatedWindowSystem() {
    runtime_.removeFormObserver(*this);
    runtime_.removeMessageSource(sourceId_);
}

Hwnd SimulatedWindowSystem::addWindow(int32_t thread, std::string className, Rect rect) {
    Hwnd window = nextWindow_++;
    windows_[window] = Window{thread, std::move(className), rect};
    zOrder_.push_back(window);
    return window;
}

void SimulatedWindowSystem::bringToFront(Hwnd window) {
    std::erase(zOrder_, window);
    zOrder_.push_back(window);
}

void SimulatedWindowSystem::setFocus(int32_t thread, Hwnd window) {
    focus_[thread] = window;
}

void SimulatedWindowSystem::pressKey(int32_t virtualKey) {
    pendingKeys_.push_back(virtualKey);
}

void SimulatedWindowSystem::setKeyDown(int32_t virtualKey, bool down) {
    if (down) {
        keysDown_.insert(virtualKey);
    } else {
        keysDown_.erase(virtualKey);
    }
}

void SimulatedWindowSystem::pumpInput() {
    while (!pendingKeys_.empty()) {
        int32_t key = pendingKeys_.front();
        pendingKeys_.pop_front();
        bool held = keysDown_.contains(key);
        keysDown_.insert(key);
        deliver(WM_KEYDOWN, key);
        deliver(WM_KEYUP, key);
        if (!held) {
            keysDown_.erase(key);
        }
    }
}

void SimulatedWindowSystem::deliver(int32_t message, int32_t virtualKey) {
    KeyboardEvent event{static_cast<uint32_t>(virtualKey), 0, 0, 0};
    callFrom(0, HC_ACTION, message, event);
}

int32_t SimulatedWindowSystem::callFrom(size_t position, int32_t code, int32_t message, const KeyboardEvent& event) {
    if (position >= hooks_.size()) {
        return 0;
    }
    // A hook procedure runs on the UI thread like any event handler.
    int32_t result = 0;
    KeyboardHookProc proc = hooks_[position].second;
    runtime_.dispatch([&] { result = proc(code, message, event); });
    return result;
}

Hwnd SimulatedWindowSystem::GetForegroundWindow() {
    return zOrder_.empty() ? 0 : zOrder_.back();
}

int32_t SimulatedWindowSystem::GetWindowThreadProcessId(Hwnd window) {
    auto found = windows_.find(window);
    return found == windows_.end() ? 0 : found->second.thread;
}

bool SimulatedWindowSystem::AttachThreadInput(int32_t thread, int32_t toThread, bool attach) {
    bool known =
        thread == kUiThread && toThread != kUiThread &&
        std::any_of(windows_.begin(), windows_.end(), [&](const auto& w) { return w.second.thread == toThread; });
    if (attachFails_ || !known) {
        return false;
    }
    if (attach) {
        attached_.insert(toThread);
    } else {
        attached_.erase(toThread);
    }
    return true;
}

Hwnd SimulatedWindowSystem::GetFocus() {
    for (int32_t thread : attached_) {
        if (auto found = focus_.find(thread); found != focus_.end() && found->second != 0) {
            return found->second;
        }
    }
    auto own = focus_.find(kUiThread);
    return own == focus_.end() ? 0 : own->second;
}

int32_t SimulatedWindowSystem::GetClassNameA(Hwnd window, std::string& name, int32_t maxCount) {
    auto found = windows_.find(window);
    if (found == windows_.end() || maxCount <= 0) {
        return 0;
    }
    name = found->second.className.substr(0, static_cast<size_t>(maxCount - 1));
    return static_cast<int32_t>(name.size());
}

bool SimulatedWindowSystem::GetWindowRect(Hwnd window, Rect& rect) {
    auto found = windows_.find(window);
    if (found == windows_.end()) {
        return false;
    }
    rect = found->second.rect;
    return true;
}

bool SimulatedWindowSystem::SetForegroundWindow(Hwnd window) {
    if (std::find(zOrder_.begin(), zOrder_.end(), window) == zOrder_.end()) {
        return false;
    }
    bringToFront(window);
    return true;
}

Hhook SimulatedWindowSystem::SetWindowsHookExA(int32_t idHook, KeyboardHookProc proc) {
    if (idHook != WH_KEYBOARD_LL || !proc) {
        return 0;
    }
    Hhook hook = nextHook_++;
    hooks_.insert(hooks_.begin(), {hook, std::move(proc)});
    return hook;
}

bool SimulatedWindowSystem::UnhookWindowsHookEx(Hhook hook) {
    return std::erase_if(hooks_, [hook](const auto& entry) { return entry.first == hook; }) > 0;
}

int32_t SimulatedWindowSystem::CallNextHookEx(Hhook hook, int32_t code, int32_t message, const KeyboardEvent& event) {
    auto found = std::find_if(hooks_.begin(), hooks_.end(), [hook](const auto& entry) { return entry.first == hook; });
    if (found == hooks_.end()) {
        return 0;
    }
    return callFrom(static_cast<size_t>(found - hooks_.begin()) + 1, code, message, event);
}

int16_t SimulatedWindowSystem::GetAsyncKeyState(int32_t virtualKey) {
    return keysDown_.contains(virtualKey) ? static_cast<int16_t>(-32768) : int16_t{0};
}

void SimulatedWindowSystem::formShown(Form& form) {
    windows_[form.hWnd()] = Window{kUiThread, kFormClassName, Rect{}};
    bringToFront(form.hWnd());
}

void SimulatedWindowSystem::formHidden(Form& form) {
    std::erase(zOrder_, form.hWnd());
    windows_.erase(form.hWnd());
}

} // namespace corvane::forms
