#include "platform/linux/DesktopFeed.h"

#include "common/RuntimeError.h"
#include "platform/linux/KeyNotation.h"

namespace corvane::platform::linux_desktop {

namespace {

constexpr const char* kElsewhereClass = "Desktop";

forms::Rect localRect(const sim::ScreenRect& rect) {
    return forms::Rect{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

DesktopFeed::DesktopFeed(forms::Runtime& runtime, forms::SimulatedWindowSystem& windows, sim::Engine& engine,
                         forms::KeySender& localKeys, int64_t processId)
    : runtime_(runtime), windows_(windows), engine_(engine), localKeys_(localKeys), processId_(processId),
      keyboardSequence_(engine.desktop().lastKeyPressed()) {
    poll();
    engine_.setForegroundListener([this](int16_t /*viewType*/) { actComesToFront(); });
    sourceId_ = runtime_.addMessageSource([this] { poll(); });
    runtime_.addFormObserver(*this);
}

DesktopFeed::~DesktopFeed() {
    runtime_.removeFormObserver(*this);
    runtime_.removeMessageSource(sourceId_);
    engine_.setForegroundListener({});
    handBack();
}

void DesktopFeed::poll() {
    followActWindow();
    followActFocus();
    followForeground();
    deliverKeys();
    followKeyboard();
    // The hooks hear the keys in this same pass of the message loop, before the timers that read
    // what they set.
    windows_.pumpInput();
}

void DesktopFeed::programLeftTheFront() {
    if (engine_.desktop().foreground().owner != processId_) {
        return; // another program on the desktop took the front already
    }
    engine_.desktop().setForeground(0, 0);
    followForeground();
}

void DesktopFeed::formShown(forms::Form& /*form*/) {
    engine_.desktop().setForeground(0, processId_);
    foregroundSequence_ = engine_.desktop().foreground().sequence;
}

void DesktopFeed::followActWindow() {
    const auto window = engine_.desktop().actWindow();
    const int32_t handle = window ? window->handle : 0;
    if (handle != actWindow_) {
        actWindow_ = handle;
        if (window) {
            mirror(*window);
        }
    }
}

void DesktopFeed::followActFocus() {
    const auto control = engine_.desktop().actFocus();
    const int32_t handle = control ? control->handle : 0;
    if (handle == actFocus_) {
        return;
    }
    actFocus_ = handle;
    if (control) {
        windows_.setFocus(control->thread, mirror(*control));
    } else if (const auto window = engine_.desktop().actWindow()) {
        windows_.setFocus(window->thread, 0);
    }
}

void DesktopFeed::followForeground() {
    const sim::Foreground front = engine_.desktop().foreground();
    if (front.sequence == foregroundSequence_) {
        return;
    }
    foregroundSequence_ = front.sequence;
    if (front.owner == processId_) {
        return;
    }
    if (forms::Hwnd act = mirrored(actWindow_); act != 0 && (front.window == actWindow_ || front.window == actFocus_)) {
        windows_.bringToFront(act);
        return;
    }
    if (elsewhere_ == 0) {
        elsewhere_ = windows_.addWindow(0, kElsewhereClass, {});
    }
    windows_.bringToFront(elsewhere_);
}

void DesktopFeed::deliverKeys() {
    for (char keystroke : engine_.desktop().takeKeysFor(processId_)) {
        windows_.pressKey(virtualKeyOf(keystroke));
        localKeys_.SendKeys(notationOf(keystroke), false);
    }
}

// Keys pressed before the feed began were pressed before the program's hooks existed.
void DesktopFeed::followKeyboard() {
    for (const sim::PressedKey& key : engine_.desktop().keysPressedAfter(keyboardSequence_)) {
        keyboardSequence_ = key.sequence;
        windows_.pressKey(virtualKeyOf(key.keystroke));
    }
}

void DesktopFeed::actComesToFront() {
    followActWindow();
    if (forms::Hwnd act = mirrored(actWindow_); act != 0) {
        windows_.bringToFront(act);
        const auto window = engine_.desktop().window(actWindow_);
        engine_.desktop().setForeground(actWindow_, window ? window->owner : 0);
        foregroundSequence_ = engine_.desktop().foreground().sequence;
    }
}

// A window that appears on the shared desktop does not take the foreground from the one in front.
forms::Hwnd DesktopFeed::mirror(const sim::DesktopWindow& window) {
    if (forms::Hwnd known = mirrored(window.handle); known != 0) {
        return known;
    }
    const forms::Hwnd front = windows_.GetForegroundWindow();
    const forms::Hwnd local = windows_.addWindow(window.thread, window.className, localRect(window.rect));
    if (front != 0) {
        windows_.bringToFront(front);
    }
    mirrored_[window.handle] = local;
    return local;
}

forms::Hwnd DesktopFeed::mirrored(int32_t sharedHandle) const {
    auto found = mirrored_.find(sharedHandle);
    return found == mirrored_.end() ? 0 : found->second;
}

void DesktopFeed::handBack() noexcept {
    try {
        auto& desktop = engine_.desktop();
        const auto act = desktop.actWindow();
        if (desktop.foreground().owner == processId_) {
            desktop.setForeground(act ? act->handle : 0, act ? act->owner : 0);
        }
        desktop.readdressKeys(processId_, desktop.foreground().owner);
    } catch (const RuntimeError&) {
        // The program is ending; a desktop that cannot be written keeps its last state.
    }
}

} // namespace corvane::platform::linux_desktop
