#pragma once

#include "forms/Backend.h"
#include "forms/headless/FailureReporter.h"

#include <deque>
#include <functional>
#include <map>
#include <string>

namespace corvane::forms::headless {

/// The backend of tests: renders nothing. A modal form runs the script registered for its name; the
/// script plays the user while the form is open (and may advance the clock, so timers tick inside the
/// nested loop). A modal form with no script, or left open by its script, is a failure and is
/// unloaded, so nothing hangs.
class HeadlessBackend : public Backend {
public:
    using ModalScript = std::function<void(Form& form)>;

    explicit HeadlessBackend(FailureReporter& failures) : failures_(failures) {}

    /// What the user does the next time the form named `formName` shows modally. Scripts for one
    /// name run in the order they were registered, one per showing.
    void onModal(std::string formName, ModalScript script);
    /// True once the program ended (its last form unloaded, or `End`).
    bool programHasEnded() const { return ended_; }
    /// Reports scripts whose form never showed, and forgets them.
    void verifyDone();

    void formChanged(Form&) override {}
    void formUnloaded(Form&) override {}
    void controlChanged(Control&) override {}
    void menuChanged(Menu&) override {}
    void runModalLoop(Form& form) override;
    void programEnded() override { ended_ = true; }

private:
    FailureReporter& failures_;
    std::map<std::string, std::deque<ModalScript>> scripts_;
    bool ended_ = false;
};

} // namespace corvane::forms::headless
