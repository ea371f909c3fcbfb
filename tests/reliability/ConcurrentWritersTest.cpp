// Writer processes rewriting their own keys of one users file while reader processes parse it. Every
// read must find a whole file, and in the end every key must hold its writer's last successful write:
// a write that reported success is never lost to another writer's. A write may fail, loudly, when
// others keep the file longer than the lock's wait (a loaded machine); most must succeed. CORVANE_CONCURRENT_WRITERS
// (2-8, 4 by default) and CORVANE_CONCURRENT_ROUNDS (30) size the run.
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "tests/reliability/DriverProcess.h"
#include "tests/reliability/Leftovers.h"
#include "tests/reliability/TrialRecord.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace corvane {
namespace {

namespace record = test::TrialRecord;
using namespace std::chrono_literals;

int setting(const char* name, int otherwise) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : otherwise;
}

class ConcurrentWriters : public ::testing::Test {
protected:
    ConcurrentWriters() {
        std::filesystem::create_directory(dir.file("Settings"));
        IniLib::WriteKeyValue("Header", "Magic", "corvane", file);
    }

    test::TempDir dir;
    std::string file = (dir.path() / "Settings" / "Users.dat").string();
    std::string stop = dir.file("stop");
};

TEST_F(ConcurrentWriters, LoseNoWriteAndReadersAlwaysFindAWholeFile) {
    const int writerCount = std::clamp(setting("CORVANE_CONCURRENT_WRITERS", 4), 2, 8);
    const int rounds = setting("CORVANE_CONCURRENT_ROUNDS", 30);
    std::vector<std::unique_ptr<test::DriverProcess>> readers;
    for (int r = 0; r < 2; ++r) {
        readers.push_back(std::make_unique<test::DriverProcess>(std::vector<std::string>{"read-loop", file, stop}));
    }
    std::vector<std::unique_ptr<test::DriverProcess>> writers;
    for (int w = 0; w < writerCount; ++w) {
        writers.push_back(std::make_unique<test::DriverProcess>(
            std::vector<std::string>{"write-keys", file, std::to_string(w), std::to_string(rounds)}));
    }
    std::vector<std::vector<std::string>> reports;
    for (auto& writer : writers) {
        EXPECT_EQ(writer->waitForExit(120s), 0) << "a writer did not end";
        reports.push_back(writer->newLines(0ms));
        ASSERT_EQ(reports.back().size(), 1u);
    }
    test::writeBytes(stop, "");
    for (auto& reader : readers) {
        EXPECT_EQ(reader->waitForExit(30s), 0) << "a reader found a torn file or did not end";
        const auto lines = reader->newLines(0ms);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_GT(std::stol(lines.front()), 0) << "the reader never read";
    }

    const ProfileDocument users(readWholeFile(file));
    int failures = 0;
    for (int w = 0; w < writerCount; ++w) {
        int lastW = 0;
        int lastLast = 0;
        int failed = 0;
        ASSERT_EQ(std::sscanf(reports[static_cast<size_t>(w)].front().c_str(), "%d %d %d", &lastW, &lastLast, &failed),
                  3);
        failures += failed;
        const auto valueOf = [](int round) {
            return round == 0 ? std::nullopt
                              : std::optional<std::string>(record::valueOf(static_cast<uint64_t>(round)));
        };
        EXPECT_EQ(users.find("Writers", "W" + std::to_string(w)), valueOf(lastW)) << "writer " << w;
        EXPECT_EQ(users.find("Writer" + std::to_string(w), "Last"), valueOf(lastLast)) << "writer " << w;
    }
    std::printf("%d writers of %d rounds: %d of %d writes failed\n", writerCount, rounds, failures,
                writerCount * rounds * 2);
    EXPECT_LT(failures, writerCount * rounds / 5) << "too few writes succeeded to tell anything";
    const test::Leftovers left = test::leftoversOf(file);
    EXPECT_EQ(left.temporaries, 0);
    EXPECT_EQ(left.locks, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Settings"), {}), 1);
}

// A writer that cannot take its turn within the lock's wait says so with an error, and writes nothing.
TEST_F(ConcurrentWriters, AWriterThatCannotTakeItsTurnFailsLoudly) {
    const std::string before = readWholeFile(file);
    {
        AtomicFile holder(file); // another writer that does not finish in time
        test::DriverProcess writer({"write-keys", file, "0", "1"});
        EXPECT_EQ(writer.waitForExit(60s), 0);
        EXPECT_EQ(writer.newLines(0ms), std::vector<std::string>{"0 0 2"}) << "both of its writes must fail";
    }
    EXPECT_EQ(readWholeFile(file), before);
    EXPECT_EQ(test::leftoversOf(file).locks, 0);
}

} // namespace
} // namespace corvane
