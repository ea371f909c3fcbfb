#pragma once

#include "forms/FormObserver.h"
#include "forms/KeySender.h"
#include "forms/Runtime.h"
#include "forms/SimulatedWindowSystem.h"
#include "sim/engine/Engine.h"

#include <cstdint>
#include <map>

namespace corvane::platform::linux_desktop {

/// Keeps a program's simulated window system in step with the shared desktop, so the trigger finds
/// ACT!'s window, its focused "Edit" control and that control's screen rectangle as on Windows:
///
/// - ACT!'s window and its focused control appear as windows of ACT!'s thread (actsim's process id);
/// - when another program comes to the front (the user clicks actsim, or ACT! brings its contact
///   view forward at `Views::Create`), the program's own form loses the foreground;
/// - when one of the program's own forms is shown, the program is in front on the shared desktop;
/// - keystrokes queued for the program reach its keyboard hooks and its focused control;
/// - keys the user presses in other programs (actsim notes them) reach its keyboard hooks, which
///   see every key on the desktop.
///
/// Everything is polled from the message loop; the first poll runs at once, so start-up code sees
/// the desktop as it is. When the feed ends it hands the foreground, and any keystrokes still
/// queued for the program, back to ACT!'s window, as the desktop does when a program's last window
/// closes.
class DesktopFeed : private forms::FormObserver {
public:
    /// `localKeys` types into the program's own focused control. Every piece must outlive the feed;
    /// the engine's foreground listener belongs to the feed while it lives.
    DesktopFeed(forms::Runtime& runtime, forms::SimulatedWindowSystem& windows, sim::Engine& engine,
                forms::KeySender& localKeys, int64_t processId);
    ~DesktopFeed() override;
    DesktopFeed(const DesktopFeed&) = delete;
    DesktopFeed& operator=(const DesktopFeed&) = delete;

    /// Brings the window system up to date and delivers the program's keystrokes.
    void poll();
    /// The user went to a program that is not on the shared desktop (the backend saw the program's
    /// windows lose the keyboard): while this program was in front, now nobody is.
    void programLeftTheFront();

private:
    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& /*form*/) override {}

    void followActWindow();
    void followActFocus();
    void followForeground();
    void deliverKeys();
    void followKeyboard();
    void actComesToFront();
    forms::Hwnd mirror(const sim::DesktopWindow& window);
    forms::Hwnd mirrored(int32_t sharedHandle) const;
    void handBack() noexcept;

    forms::Runtime& runtime_;
    forms::SimulatedWindowSystem& windows_;
    sim::Engine& engine_;
    forms::KeySender& localKeys_;
    int64_t processId_;
    int sourceId_ = 0;
    std::map<int32_t, forms::Hwnd> mirrored_; // shared handle → local handle
    int32_t actWindow_ = 0;                   // shared handles as last seen
    int32_t actFocus_ = 0;
    int64_t foregroundSequence_ = -1;
    int64_t keyboardSequence_ = 0;
    forms::Hwnd elsewhere_ = 0; // stands for a program in front whose window is not on the shared desktop
};

} // namespace corvane::platform::linux_desktop
