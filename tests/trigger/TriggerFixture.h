#pragma once

#include "common/MemorySettingsStore.h"
#include "forms/headless/HeadlessSession.h"
#include "tests/support/SimulatedAct.h"
#include "tests/support/TempDir.h"
#include "trigger/CorvaneEditMode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace corvane::trigger::test {

inline const std::string kUserId = "K7Q2M9X1"; // the demo database's logged-in user
inline const std::string kRefusal = "You are not allowed to modify this field.\r"
                                    "Contact your database administrator if you think this is an error.";
inline const std::string kNoUsersFile =
    "The trigger for Corvane cannot find the file with the User's settings.\rPlease contact your database "
    "administrator or run Corvane and check the Settings Locations under the Options menu.";

/// One run of the real trigger, headless, against the in-memory simulated ACT! with the demo
/// database "Sales" open and field 15 ("Customer" on the current contact) entered. ACT!'s window
/// (its own thread) has a focused "Edit" control 200 x 20 pixels at (100, 300) and comes to the
/// front when ACT! makes a view. The default settings folder beside the program holds a users file
/// that gives the user `Full` rights.
class TriggerTest : public ::testing::Test, public corvane::test::SimulatedAct {
public:
    TriggerTest();

    void start();
    frmMain& form() { return trigger_->mainForm(); }
    void tick(int count = 1);
    /// The user clicks into ACT!.
    void leave() { session.windows.bringToFront(actWindow); }
    bool ended() const { return session.runtime.ended(); }
    std::string settingsFile(const std::string& name) const;
    void writeUsers(const std::string& content) { corvane::test::writeBytes(settingsFile("Users.dat"), content); }
    void writeList(const std::string& content) { corvane::test::writeBytes(settingsFile("Sales15.dat"), content); }
    std::string list() const { return corvane::test::readBytes(settingsFile("Sales15.dat")); }
    /// The values of every `SetField` ACT! received for field 15.
    std::vector<std::string> writes() const;
    /// The last message box shown; an empty one when none was.
    forms::MsgBoxRequest lastBox() const;
    static std::string errorReport(int number, std::string_view label, int line);

    corvane::test::TempDir dir;
    forms::headless::HeadlessSession session;
    MemorySettingsStore memorySettings;
    SettingsStore* settings = &memorySettings;
    forms::Hwnd actWindow = 0;

private:
    std::unique_ptr<CorvaneEditMode> trigger_;
};

} // namespace corvane::trigger::test
