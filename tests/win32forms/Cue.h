#pragma once

#include "platform/win32/ui/WinApi.h"
#include "tests/win32forms/MessageLoop.h"

#include <chrono>
#include <functional>

namespace corvane::forms::win32::test {

/// Runs an action once, from inside whatever message loop the thread is in (the main loop, a modal
/// form's, a message box's, a common dialog's), as soon as a condition holds: how a test acts on a
/// modal window while the code under test waits for it. A cue whose condition never holds calls its
/// fallback after its patience, which must end the wait, so the test fails instead of hanging.
class Cue {
public:
    Cue(std::function<bool()> ready, std::function<void()> action, std::function<void()> fallback,
        std::chrono::milliseconds patience = kPatience);
    ~Cue();
    Cue(const Cue&) = delete;
    Cue& operator=(const Cue&) = delete;

    /// A cue that only gives up: `fallback` runs after `patience` unless the cue is gone by then. It
    /// bounds a wait that the action of another cue should end.
    static Cue deadline(std::function<void()> fallback, std::chrono::milliseconds patience = 2 * kPatience);

    /// The action ran.
    bool fired() const { return fired_; }
    /// The fallback ran.
    bool gaveUp() const { return gaveUp_; }

private:
    static void CALLBACK tick(HWND window, UINT msg, UINT_PTR id, DWORD time);
    void check();
    void stop();

    std::function<bool()> ready_;
    std::function<void()> action_;
    std::function<void()> fallback_;
    ULONGLONG deadline_;
    UINT_PTR timer_;
    bool fired_ = false;
    bool gaveUp_ = false;
};

} // namespace corvane::forms::win32::test
