#include "platform/linux/ActRegistration.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"
#include "tests/programs/ProgramUser.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvane {
namespace {

constexpr int16_t kField = 15;

/// The real `CorvaneEditMode` process, offscreen, started as actsim starts it (nothing on its
/// command line) while this test plays actsim: the demo database is open with "ID/Status" (15)
/// focused as an "Edit" in front, and the logged-in user has full rights.
class TriggerProcess : public ::testing::Test {
protected:
    TriggerProcess() {
        test::prepareProgramUser(dir, "[Sales]\r\nGlobalF=K7Q2M9X1\r\n");

        sim::loadDemoDatabase(actsim, database);
        actsim.state().setFocusField(kField);
        const int32_t window = actsim.desktop().addWindow(getpid(), getpid(), "ActsimMain", {0, 0, 800, 600});
        actsim.desktop().setActWindow(window);
        actsim.desktop().focusActControl("Edit", {100, 300, 300, 320});
        actsim.desktop().setForeground(window, getpid());
        registration.publish(getpid(), database);
    }

    ~TriggerProcess() override {
        if (child > 0 && !exitCode) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

    /// Starts the trigger and waits until its form is in front.
    bool startTrigger() {
        char* argv[] = {const_cast<char*>(CORVANE_TRIGGER_PROGRAM), nullptr};
        if (::posix_spawn(&child, CORVANE_TRIGGER_PROGRAM, nullptr, nullptr, argv, environ) != 0) {
            return false;
        }
        return test::waitFor([&] { return actsim.desktop().foreground().owner == child; });
    }

    /// Waits for the trigger to end; its exit code.
    std::optional<int> ended() {
        test::waitFor([&] {
            int status = 0;
            if (::waitpid(child, &status, WNOHANG) == child) {
                exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            return exitCode.has_value();
        });
        return exitCode;
    }

    std::string fieldValue() { return actsim.contacts().value(1, kField); }

    test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    sim::Engine actsim{database};
    platform::linux_desktop::ActRegistration registration{dir.file("run")};
    pid_t child = 0;
    std::optional<int> exitCode;
};

TEST_F(TriggerProcess, TypedValueIsWrittenAndEnterReachesActsim) {
    ASSERT_TRUE(startTrigger());
    actsim.desktop().sendToForeground("X\r");

    EXPECT_EQ(ended(), 0);
    EXPECT_EQ(fieldValue(), "CustomerX");
    EXPECT_EQ(actsim.desktop().foreground().owner, getpid());
    EXPECT_EQ(actsim.desktop().takeKeysFor(getpid()), "\r");
}

TEST_F(TriggerProcess, ActsimClosingItsDatabaseEndsTheTriggerWithoutWriting) {
    ASSERT_TRUE(startTrigger());
    actsim.desktop().sendToForeground("X");
    ASSERT_TRUE(test::waitFor([&] { return !actsim.desktop().keysQueuedFor(child); })) << "the trigger typed X";
    actsim.closeDatabase();

    EXPECT_EQ(ended(), 0);
    EXPECT_EQ(fieldValue(), "Customer");
}

} // namespace
} // namespace corvane
