#pragma once

#include "common/MemorySettingsStore.h"
#include "forms/headless/HeadlessSession.h"
#include "trigger/CorvaneEditMode.h"

#include "tests/support/RunOutcome.h"
#include "tests/support/SimulatedAct.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

/// One run of the edit-mode trigger, headless, beside a private simulated ACT! with the demo
/// database "Sales" open and the logged-in user (`kUserId`) in field 15 of the first contact, whose
/// value is "Customer". ACT!'s window has a focused "Edit" control and comes to the front when ACT!
/// makes a view. Each step does what the user would, and nothing once the run has ended. Message
/// boxes nobody scripted are answered with their default button and kept for `outcome()`.
class TriggerRun : public SimulatedAct {
public:
    static constexpr const char* kUserId = "K7Q2M9X1";
    static constexpr int16_t kField = 15;

    /// `programFolder` is the folder of the program; the settings default to "Settings" inside it.
    explicit TriggerRun(const std::filesystem::path& programFolder);

    /// Composes the trigger on `store` (the in-memory store unless another is given) and runs its
    /// start-up. A failure that escapes is shown as a run-time error, as the program's `main` does.
    void start(SettingsStore* store = nullptr);
    /// Types after the value and clicks into ACT!.
    void typeAndLeave(const std::string& text);
    /// Drops the list down, picks its first item and clicks into ACT!.
    void pickFirstItemAndLeave();
    /// Lets the timer tick until the run ends, at most `ticks` times.
    void finish(int ticks = 5);

    /// True once the program has ended, or when it could not be composed at all (its `main` then
    /// returns at once).
    bool ended() const { return session.runtime.ended() || !composed_; }
    RunOutcome outcome() const { return {describeBoxes(session.msgBox.shown()), ended()}; }
    /// The values of every `SetField` ACT! received, in order.
    std::vector<std::string> writes() const;
    /// The value of the field on the contact, as ACT! holds it now.
    std::string fieldValue() { return engine.contacts().value(1, kField); }
    const std::vector<std::string>& driverNotes() const { return driverNotes_; }

    MemorySettingsStore memorySettings;
    forms::headless::HeadlessSession session;

private:
    bool running() const { return trigger_ && !ended(); }
    trigger::frmMain& form() { return trigger_->mainForm(); }
    void leave();

    forms::Hwnd actWindow_ = 0;
    std::unique_ptr<trigger::CorvaneEditMode> trigger_;
    std::vector<std::string> driverNotes_;
    bool composed_ = true;
};

} // namespace corvane::test
