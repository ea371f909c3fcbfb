#pragma once

#include "common/MemorySettingsStore.h"
#include "forms/headless/HeadlessSession.h"
#include "sim/act/SimFactory.h"
#include "sim/engine/Engine.h"
#include "sim/fault/FaultInjector.h"
#include "sim/fault/FaultyFactory.h"
#include "tests/support/TempDir.h"
#include "trigger/CorvaneEditMode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::trigger::test {

/// The protected field the runs enter ("ID/Status" of the demo database), and its value on the
/// current contact.
inline constexpr int16_t kField = 15;
inline constexpr std::string_view kStartValue = "Customer";
/// The logged-in user of the demo database.
inline constexpr std::string_view kUserId = "K7Q2M9X1";
inline constexpr int32_t kActThread = 7;

inline constexpr std::string_view kRefusal = "You are not allowed to modify this field.\r"
                                             "Contact your database administrator if you think this is an error.";
inline constexpr std::string_view kNoUsersFile =
    "The trigger for Corvane cannot find the file with the User's settings.\r"
    "Please contact your database administrator or run Corvane and check the Settings Locations under the "
    "Options menu.";

/// One run of the real trigger on the headless backend against the in-memory simulated ACT! with
/// the demo database "Sales" open. ACT!'s window (its own thread) holds a focused "Edit" control
/// 200 x 20 pixels at (100, 300); ACT! comes to the front when it makes a view. The settings folder
/// is the default one beside the program, with a users file that gives the user `Full` rights.
class TriggerTest : public ::testing::Test {
protected:
    TriggerTest();

    /// Runs the start-up; the value form is shown, or the run has ended.
    void start();
    frmMain& form() { return trigger_->mainForm(); }
    /// Lets the 100 ms timer tick `count` times.
    void tick(int count = 1);
    bool ended() const { return session.runtime.ended(); }

    std::string settingsFolder() const;
    void writeUsers(const std::string& content);
    void removeUsers();
    /// The field's settings file "Sales15.dat".
    std::string listFile() const;
    void writeList(const std::string& content);

    std::string fieldValue();
    void setFieldValue(const std::string& value);
    /// Every `SetField` ACT! received, as {field, value}.
    std::vector<std::vector<std::string>> writes() const;
    const forms::MsgBoxRequest& lastBox() const;
    /// The error report text for VB's error `number` under `label` at statement `line`.
    static std::string errorReport(int number, std::string_view label, int line);

    corvane::test::TempDir dir;
    forms::headless::HeadlessSession session;
    sim::Engine engine{":memory:"};
    sim::SimFactory simFactory{engine};
    sim::FaultInjector injector;
    sim::FaultyFactory factory{simFactory, injector};
    MemorySettingsStore memorySettings;
    /// The store the run uses; a test may point it at another one.
    SettingsStore* settings = &memorySettings;
    forms::Hwnd actWindow = 0;
    forms::Hwnd fieldWindow = 0;

private:
    std::unique_ptr<CorvaneEditMode> trigger_;
};

} // namespace corvane::trigger::test
