#pragma once

namespace corvane::forms {

class Form;

/// Learns when a form's window appears or disappears, e.g. a window system that tracks which
/// window is in front.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void formShown(Form& form) = 0;
    virtual void formHidden(Form& form) = 0;
};

} // namespace corvane::forms
