// Every ACT! call that the trigger makes in three typical runs (a value typed and written, a refusal,
// a pick from the drop-down list), made to fail once: the report the user sees, that the run ends,
// and that nothing is written into ACT! or the settings files that should not be.
#include "tests/failures/CallSites.h"
#include "tests/failures/Expectations.h"
#include "tests/support/ContactValues.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/TempDir.h"
#include "tests/support/TriggerRun.h"

#include "common/RuntimeError.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

struct Scenario {
    const char* name;
    std::string users;     // Users.dat
    std::string fieldFile; // Sales15.dat, none when empty
    void (*edit)(TriggerRun&);
    bool writes; // without failures
};

const std::string kFull = std::string("[Sales]\r\nGlobalF=") + TriggerRun::kUserId + "\r\n";
const std::array kScenarios{
    Scenario{"write", kFull, "", [](TriggerRun& run) { run.typeAndLeave("X"); }, true},
    Scenario{"refused", "[Sales]\r\nGlobalF=P3R8T4V6\r\n", "", [](TriggerRun& run) { run.typeAndLeave("X"); }, false},
    Scenario{"list", kFull, "OnlyFromDropdown=1\r\nAllowEditing=0\r\nSilver\r\nGold\r\n",
             [](TriggerRun& run) { run.pickFirstItemAndLeave(); }, true},
};

// The one file a trigger's run may add to: the database's change history, a record per value written.
constexpr const char* kHistoryFile = "Sales.history";

/// The records of a change history, which ends each (and its header line) with CR LF.
int historyRecords(const FolderSnapshot& folder) {
    const std::string& history = folder.entry(kHistoryFile);
    if (history == "<missing>") {
        return 0;
    }
    int lines = 0;
    for (size_t at = history.find("\r\n"); at != std::string::npos; at = history.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines - 1;
}

struct Played {
    std::vector<PhaseStart> phases;
    std::vector<sim::ActCall> log;
    RunOutcome outcome;
    bool filesUntouched = false; // but for the change history
    int historyRecords = 0;
    ContactValues values;
    bool hookLeft = false;
    std::vector<std::string> driverNotes;
};

Played play(const Scenario& scenario, const std::optional<CallSite>& failing) {
    TempDir dir;
    const auto settings = dir.path() / "Settings";
    std::filesystem::create_directory(settings);
    writeBytes(settings / "Users.dat", scenario.users);
    if (!scenario.fieldFile.empty()) {
        writeBytes(settings / "Sales15.dat", scenario.fieldFile);
    }
    const FolderSnapshot before(settings);
    TriggerRun run(dir.path());
    if (failing) {
        run.injector.inject(failing->call.member, failing->failing(vberr::AutomationError));
    }
    Played played;
    const std::string prefix = std::string(scenario.name) + ": ";
    played.phases.push_back({prefix + "start-up", 0});
    run.start();
    played.phases.push_back({prefix + "edit", run.injector.calls().size()});
    scenario.edit(run);
    played.phases.push_back({prefix + "end", run.injector.calls().size()});
    run.finish();
    played.log = run.injector.calls();
    played.outcome = run.outcome();
    const FolderSnapshot after(settings);
    const std::vector<std::string> changed = before.differences(after);
    played.filesUntouched = changed.empty() || changed == std::vector<std::string>{kHistoryFile};
    played.historyRecords = historyRecords(after);
    played.values = contactValues(run.engine);
    played.hookLeft = run.session.windows.hookCount() != 0;
    played.driverNotes = run.driverNotes();
    return played;
}

const char* const kMain = "report Module1: Sub Main (440)";
const char* const kLaunch = "report frmMain: Sub Launch_Program (440)";

// What the user sees first when a call fails; every run ends, and the value reaches ACT! only when
// the failure comes after the write.
const std::vector<Rule> kRules{
    {"ActFactory.CreateEventControl", ends(kMain)},
    {"EventControl.SetEventSink", ends(kMain)},
    {"EventControl.Operation1", ends(kMain)},
    {"ActFactory.CreateObject", ends(kMain)},
    {"Application.OpenFile", ends(kMain)},
    {"Application.Views", ends(kMain)},
    {"Application.Command", ends(kMain)},
    {"Views.GetActive", ends(kMain)},
    {"View.Type", ends(kMain)},
    {"Views.Create", ends(kMain)},
    // Without the database's name no list applies to the user, who is refused.
    {"Application.GetOpenDBName", ends("report Module1: Function Get_Generic_Name (440)")},
    {"View.CurrentFieldID", ends(kLaunch)},
    {"View.GetField", ends(kLaunch)},
    {"Application.GetUserID", ends(kLaunch)},
    // The message loop reports what escapes it and goes on; the edit is not disturbed.
    {"EventControl.PumpEvents", ends("run-time error 440", {}, ActWrites::AsWithoutFailure)},
    {"View.SetField", ends("report frmMain: Function WriteData (440)")},
    {"EventControl.Operation2", ends("report frmMain: Sub Form_Unload (440)"), "refused: start-up"},
    {"EventControl.Operation2", ends("report frmMain: Sub Form_Unload (440)", {}, ActWrites::AsWithoutFailure)},
};

TEST(TriggerCallFailure, EveryCallSiteFailingOnceHasItsOutcome) {
    for (const Scenario& scenario : kScenarios) {
        const Played clean = play(scenario, std::nullopt);
        ASSERT_TRUE(clean.outcome.ended) << scenario.name;
        ASSERT_TRUE(clean.driverNotes.empty()) << clean.driverNotes.front();
        ASSERT_TRUE(clean.filesUntouched);
        TriggerRun untouched(fs::temp_directory_path());
        const ContactValues unchanged = contactValues(untouched.engine);
        ASSERT_EQ(clean.values != unchanged, scenario.writes) << scenario.name;
        ASSERT_EQ(clean.historyRecords, scenario.writes ? 1 : 0) << scenario.name;

        const std::vector<CallSite> sites = callSites(clean.log, clean.phases);
        std::cout << sites.size() << " call sites of the trigger's run '" << scenario.name << "' ("
                  << describe(clean.outcome) << "), each failing once with error 440:\n";
        for (const CallSite& site : sites) {
            const Played played = play(scenario, site);
            const ActWrites act = played.values == unchanged      ? ActWrites::None
                                  : played.values == clean.values ? ActWrites::AsWithoutFailure
                                                                  : ActWrites::Other;
            const Observed observed = observe(played.outcome, {.others = !played.filesUntouched}, act);
            std::cout << "  " << describe(site, played.outcome, observed) << "\n";
            const Rule* rule = ruleFor(kRules, site);
            if (rule == nullptr) {
                ADD_FAILURE() << "no expected outcome for " << site.phase << " " << site.name();
            } else {
                EXPECT_EQ(observed, rule->expected) << site.phase << " | " << site.name();
            }
            // A value is in the history exactly when it was written.
            EXPECT_EQ(played.historyRecords, act == ActWrites::None ? 0 : 1) << site.phase << " | " << site.name();
            EXPECT_FALSE(played.hookLeft) << site.name() << " left the keyboard hook installed";
            EXPECT_TRUE(played.driverNotes.empty()) << site.name() << ": " << played.driverNotes.front();
        }
    }
}

} // namespace
} // namespace corvane::test
