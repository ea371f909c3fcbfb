#pragma once

#include "common/ErrorReport.h"
#include "common/SettingsStore.h"
#include "common/act/Act.h"
#include "forms/MsgBoxErrorSink.h"
#include "forms/Runtime.h"
#include "forms/WindowSystem.h"
#include "trigger/frmMain.h"

namespace corvane::trigger {

/// The edit-mode trigger composed from its pieces: a forms runtime (on any backend), ACT!'s object
/// factory, the per-user settings store and the window system. Each platform's `main` only picks
/// the pieces; tests compose the same object on the headless backend.
///
/// A `main` on a real backend reads:
///
///     CorvaneEditMode trigger(runtime, factory, settings, windows);
///     trigger.start();
///     // then the backend's message loop, until the backend hears `programEnded` (`runtime.ended()`)
///
/// `start` returns once start-up is over: the value form is shown, or the run has already ended,
/// e.g. after a refusal (the loop then has nothing to do). The message loop delivers the timer ticks,
/// keys and ACT!'s events that finish the run; it must call `Runtime::processEvents` at least every
/// 100 ms. Error reports carry the App service's title ("Corvane Edit Mode").
class CorvaneEditMode {
public:
    /// Every piece must outlive this object.
    CorvaneEditMode(forms::Runtime& runtime, act::ActFactory& factory, SettingsStore& settings,
                    forms::WindowSystem& windows);
    CorvaneEditMode(const CorvaneEditMode&) = delete;
    CorvaneEditMode& operator=(const CorvaneEditMode&) = delete;

    /// Loads `frmMain`, which runs the start-up.
    void start();

    frmMain& mainForm() { return frmMain_; }

private:
    forms::MsgBoxErrorSink errorSink_;
    ErrorReporter errors_;
    frmMain frmMain_;
};

} // namespace corvane::trigger
