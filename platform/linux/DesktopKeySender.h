#pragma once

#include "forms/KeySender.h"
#include "sim/engine/DesktopStore.h"

namespace corvane::platform::linux_desktop {

/// `SendKeys` on the shared desktop: the keystrokes are queued for the program whose window is in
/// front at the moment of the call, and that program takes them from its message loop. Sending never
/// waits, whatever `wait` asks: even keys for the program's own window arrive at its next poll, so a
/// Tab sent just before its form closes reaches the program in front after it (`DesktopFeed` hands
/// keys it leaves behind to ACT!).
class DesktopKeySender : public forms::KeySender {
public:
    explicit DesktopKeySender(sim::DesktopStore& desktop) : desktop_(desktop) {}

    /// Fails with 5 for notation that has no keystroke on the shared desktop (see `keystrokesOf`).
    void SendKeys(std::string_view keys, bool wait) override;

private:
    sim::DesktopStore& desktop_;
};

} // namespace corvane::platform::linux_desktop
