#pragma once

namespace corvane::forms {

class Control;
class Form;
class Menu;

/// A renderer of the forms runtime (headless, Qt, Win32). The runtime tells it what changed; the
/// backend re-reads the model's state and turns real input into the same `user...` calls that the
/// headless scripted user makes. Calls arrive on the UI thread and never throw.
class Backend {
public:
    virtual ~Backend() = default;

    /// Caption, geometry, visibility, border, top-most state or focus of a form changed, or it loaded.
    virtual void formChanged(Form& form) = 0;
    /// The form unloaded; its controls are no longer shown.
    virtual void formUnloaded(Form& form) = 0;
    /// A property of a control that affects what is shown changed (also its items).
    virtual void controlChanged(Control& control) = 0;
    virtual void menuChanged(Menu& menu) = 0;
    /// Runs a nested message loop until the form is hidden or unloaded. The loop calls
    /// `Runtime::processEvents` periodically.
    virtual void runModalLoop(Form& form) = 0;
    /// The program has ended: its last form unloaded, or it called `End`. Every modal loop, message
    /// box and dialog still open closes; the runtime then leaves the waits by `ProgramEnded`.
    virtual void programEnded() = 0;
};

} // namespace corvane::forms
