#pragma once

#include "admin/AdminProgram.h"
#include "common/MemorySettingsStore.h"
#include "forms/headless/HeadlessSession.h"

#include "tests/support/RunOutcome.h"
#include "tests/support/SimulatedAct.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

/// One run of the administration tool, headless, beside a private simulated ACT! with the demo
/// database "Sales" open ("/data/Sales.dbf", the administrator logged in) and the launcher placed on
/// the toolbar of view 2. Each step does what an administrator would, and nothing once the program
/// has ended or when what it needs is not there, so a run can be driven whatever went wrong before.
/// Message boxes nobody scripted are answered with their default button and kept for `outcome()`.
class AdminRun : public SimulatedAct {
public:
    /// The field every step works on.
    static constexpr const char* kField = "ID/Status";

    /// `programFolder` is the folder of the program; the settings default to "Settings" inside it.
    explicit AdminRun(const std::filesystem::path& programFolder);

    /// Composes the tool on `store` (the in-memory store unless another is given), runs its start-up
    /// and one pass of its message loop. A failure that escapes is shown as a run-time error, as the
    /// program's `main` does.
    void start(SettingsStore* store = nullptr);
    /// Expands the field panel and picks `kField`.
    void chooseField();
    /// Gives the chosen field its own rights (Sam to None) and renames its first list item.
    void changeFieldRightsAndList();
    /// Gives Alex (the third user) Full rights in the global list.
    void changeGlobalRights();
    void save();
    /// Opens the launcher dialog, adds the launcher to view 1's toolbar, removes it from view 2's, and
    /// leaves with Cancel (no restart question).
    void addAndRemoveLauncher();
    void close();

    /// True once the program has ended, or when it could not be composed at all (its `main` then
    /// returns at once).
    bool ended() const { return session.runtime.ended() || !composed_; }
    RunOutcome outcome() const { return {describeBoxes(session.msgBox.shown()), ended()}; }
    /// What the scripted session found wrong besides boxes nobody expected (a click on a control that
    /// was disabled, a dialog never shown).
    const std::vector<std::string>& driverNotes() const { return driverNotes_; }

    MemorySettingsStore memorySettings;
    forms::headless::HeadlessSession session;

private:
    bool running() const { return program_ && !ended(); }
    admin::Form1& form() { return program_->mainForm(); }
    void chooseLevel(forms::ListView& list, int row, int level);

    std::unique_ptr<admin::AdminProgram> program_;
    std::vector<std::string> driverNotes_;
    bool composed_ = true;
};

} // namespace corvane::test
