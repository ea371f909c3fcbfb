#include "common/IniLib.h"
#include "tests/support/RecordingErrorSink.h"
#include "tests/support/TempDir.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/UsersFileWriter.h"

#include <gtest/gtest.h>

#include <chrono>

namespace corvane {
namespace {

namespace writer = test::UsersFileWriter;
using namespace std::chrono_literals;

// A users file that a writer process rewrites while this one reads it the way the trigger does.
class ConcurrentReplace : public ::testing::Test {
protected:
    ConcurrentReplace() {
        IniLib::WriteKeyValue("Sales", "GlobalF", writer::valueOf(0), file);
        IniLib::WriteKeyValue("Other", "Keep", "yes", file);
    }

    test::ChildProcess startWriter(int writes) const {
        return test::ChildProcess(
            test::thisProgramWith({std::string(writer::kSwitch), file, std::to_string(writes), report}));
    }

    // Reads the file, which must be whole and no older than the last read; the number of its write.
    int readWhole() {
        const ProfileDocument users = IniLib::ReadKeys(file, errors);
        const auto n = writer::numberOf(IniLib::GetKeyValue(users, "Sales", "GlobalF", "", "", ""));
        EXPECT_TRUE(n) << "read " << reads << " found a torn file of " << users.bytes().size() << " bytes";
        EXPECT_EQ(IniLib::GetKeyValue(users, "Other", "Keep", "", "", ""), "yes");
        EXPECT_GE(n.value_or(0), last) << "an older file came back";
        changes += n.value_or(0) != last ? 1 : 0;
        last = n.value_or(0);
        ++reads;
        return last;
    }

    test::TempDir dir;
    std::string file = dir.file("Users.dat");
    std::string report = dir.file("report.txt");
    test::RecordingErrorSink sink;
    ErrorReporter errors{"CorvaneEditMode", sink};
    int reads = 0;
    int changes = 0;
    int last = 0;
};

// Every read finds a whole file, old or new, and every write either lands or is counted as failed.
TEST_F(ConcurrentReplace, ReadersSeeWholeFilesWhileAnotherProcessRewritesThem) {
    constexpr int kWrites = 300;
    const test::ChildProcess child = startWriter(kWrites);
    const auto deadline = std::chrono::steady_clock::now() + 120s;
    while (child.running() && std::chrono::steady_clock::now() < deadline && !HasFailure()) {
        readWhole();
    }
    ASSERT_EQ(child.waitForExit(10s), 0ul) << "the writer did not end";

    const auto result = writer::readReport(report);
    ASSERT_TRUE(result);
    std::printf("%d reads saw %d of %d writes; %d writes failed\n", reads, changes, result->written, result->failed);
    EXPECT_EQ(result->attempts, kWrites);
    EXPECT_EQ(result->written + result->failed, kWrites);
    EXPECT_EQ(result->failed, 0) << "readers that share the file must not stop a writer";
    EXPECT_EQ(readWhole(), result->lastWritten);
    EXPECT_GT(changes, 10) << "the reads did not overlap the writes";
    EXPECT_TRUE(sink.shown.empty());
}

// A writer that dies between two writes or in the middle of one leaves a whole file behind.
TEST_F(ConcurrentReplace, AWriterKilledWhileWritingLeavesAWholeFile) {
    const test::ChildProcess child = startWriter(1000000);
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (readWhole() < 50 && std::chrono::steady_clock::now() < deadline && !HasFailure()) {
    }
    child.kill();
    ASSERT_TRUE(child.waitForExit(10s));
    EXPECT_GE(readWhole(), 50);
    EXPECT_TRUE(sink.shown.empty());
}

} // namespace
} // namespace corvane
