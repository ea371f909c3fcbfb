#pragma once

#include "admin/Form1.h"
#include "common/ErrorReport.h"
#include "common/SettingsStore.h"
#include "common/act/Act.h"
#include "forms/MsgBoxErrorSink.h"
#include "forms/Runtime.h"

namespace corvane::admin {

/// The administration tool composed from its pieces: a forms runtime (on any backend), the ACT!
/// object factory and the per-user settings store. Error reports go through the runtime's message
/// box under the program's title.
///
/// Use: construct it, call `start()`, then let the backend's message loop run until
/// `runtime.ended()` — a real backend's `main` runs its event loop (calling
/// `Runtime::processEvents` and the timers) after `start()` returns; a headless test drives the
/// controls and advances the clock instead. Everything passed in must outlive the program.
class AdminProgram {
public:
    /// Fails with the factory's error when ACT!'s event control cannot be created.
    AdminProgram(forms::Runtime& runtime, act::ActFactory& factory, SettingsStore& settings);
    AdminProgram(const AdminProgram&) = delete;
    AdminProgram& operator=(const AdminProgram&) = delete;

    /// Loads and shows the main window. When start-up stops at one of its checks the window unloads
    /// at once and the runtime has ended when this returns.
    void start();

    Form1& mainForm() { return form1_; }

private:
    forms::MsgBoxErrorSink errorSink_;
    ErrorReporter errors_;
    Form1 form1_;
};

} // namespace corvane::admin
