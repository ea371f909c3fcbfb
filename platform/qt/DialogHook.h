#pragma once

#include <QTimer>

#include <functional>
#include <utility>

namespace corvane::forms::qt {

/// What a test does with a dialog once it shows: it sees the real widget and answers it as a user
/// would (clicks a button, picks a file). Without a hook the user answers.
template <class Dialog> class DialogHook {
public:
    using Hook = std::function<void(Dialog& dialog)>;

    void set(Hook hook) { hook_ = std::move(hook); }

    /// Runs the dialog modally; the hook runs from the dialog's own loop, once it is up.
    int exec(Dialog& dialog) {
        if (hook_) {
            QTimer::singleShot(0, &dialog, [this, &dialog] { hook_(dialog); });
        }
        return dialog.exec();
    }

private:
    Hook hook_;
};

} // namespace corvane::forms::qt
