// Writers killed (SIGKILL) at random moments, over and over, against one settings file. After every
// kill the file must parse whole and hold the last write the writer reported as committed, or the one
// after it (committed, killed before it could say so). CORVANE_KILL_TRIALS sets the number of trials
// (50 by default; scripts/reliability.sh runs 1,000).
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "tests/reliability/DriverProcess.h"
#include "tests/reliability/Leftovers.h"
#include "tests/reliability/TrialRecord.h"
#include "tests/support/RecordingErrorSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <thread>

namespace corvane {
namespace {

namespace record = test::TrialRecord;
using namespace std::chrono_literals;

int trialsPerFile() {
    const char* trials = std::getenv("CORVANE_KILL_TRIALS");
    return trials ? std::atoi(trials) : 50;
}

class KillTrials : public ::testing::Test {
protected:
    using ReadNumber = std::function<std::optional<uint64_t>()>;
    using Write = std::function<void(uint64_t)>;

    // Kills a writer of `file` `trials` times and checks the file after each kill; then lets one
    // clean write apply the clean-up rule to what the dead writers left.
    void run(const char* mode, const std::string& file, const ReadNumber& readNumber, const Write& write) {
        const int trials = trialsPerFile();
        const unsigned seed = std::random_device{}();
        std::mt19937 random(seed);
        write(1);
        uint64_t current = 1;
        int torn = 0;
        int stale = 0;
        for (int trial = 0; trial < trials && !HasFatalFailure(); ++trial) {
            test::DriverProcess writer({mode, file, std::to_string(current + 1)});
            std::optional<uint64_t> reported;
            const auto note = [&](const std::vector<std::string>& lines) {
                for (const std::string& line : lines) {
                    reported = std::stoull(line);
                }
            };
            note(writer.newLines(5s)); // the writer is in its loop
            // The kill's moment is random on purpose (up to a few writes' time into the loop): this
            // pause is the trial itself, not a wait for something to happen.
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
            writer.kill();
            ASSERT_EQ(writer.waitForExit(10s), 128 + 9) << "trial " << trial;
            note(writer.newLines(0ms));
            const std::optional<uint64_t> found = readNumber();
            if (!found) {
                ++torn;
                ADD_FAILURE() << "trial " << trial << " (seed " << seed << "): the file is torn or empty";
                continue;
            }
            const uint64_t committed = reported.value_or(current);
            if (*found != committed && *found != committed + 1) {
                ++stale;
                ADD_FAILURE() << "trial " << trial << ": found write " << *found << ", last reported " << committed;
            }
            current = *found;
        }
        const test::Leftovers before = test::leftoversOf(file);
        test::ageLeftoversOf(file, kStaleTemporaryAge + 1min);
        write(current + 1);
        const test::Leftovers after = test::leftoversOf(file);
        std::printf("%d kill trials of %s: %d torn, %d stale; before the clean-up %d temporaries (%ju bytes) and "
                    "%d lock files, after it %d and %d\n",
                    trials, mode, torn, stale, before.temporaries, before.temporaryBytes, before.locks,
                    after.temporaries, after.locks);
        EXPECT_EQ(readNumber(), current + 1);
        EXPECT_EQ(after.temporaries, 0);
        EXPECT_EQ(after.locks, 0);
    }

    test::TempDir dir;
};

TEST_F(KillTrials, AUsersFileStaysWholeAndCurrentThroughKilledWriters) {
    const std::string file = dir.file("Users.dat");
    IniLib::WriteKeyValue("Other", "Keep", "yes", file);
    test::RecordingErrorSink sink;
    ErrorReporter errors("CorvaneEditMode", sink);
    run(
        "kill-users", file,
        [&]() -> std::optional<uint64_t> {
            const ProfileDocument users = IniLib::ReadKeys(file, errors);
            if (IniLib::GetKeyValue(users, "Other", "Keep", "", "", "") != "yes") {
                return std::nullopt;
            }
            return record::numberOf(IniLib::GetKeyValue(users, "Sales", "Value", "", "", ""));
        },
        [&](uint64_t n) { IniLib::WriteKeyValue("Sales", "Value", record::valueOf(n), file); });
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(KillTrials, AFieldSettingsFileStaysWholeAndCurrentThroughKilledWriters) {
    const std::string file = dir.file("Sales12.dat");
    run(
        "kill-field", file, [&] { return record::numberOfFieldSettingsFile(file); },
        [&](uint64_t n) { writeFieldSettingsFile(file, record::fieldSettingsOf(n)); });
}

} // namespace
} // namespace corvane
