// Several processes append to one history file at once, as triggers on several machines do on a
// shared folder, through the Windows append primitive.
#include "tests/support/HistoryAppender.h"
#include "tests/support/TempDir.h"
#include "tests/win32/ChildProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

namespace corvane {
namespace {

using namespace std::chrono_literals;
namespace appender = test::HistoryAppender;

constexpr int kProcesses = 4;
constexpr int kAppendsEach = 2500;

TEST(HistoryAppendProcesses, NoRecordIsLostOrTornAmongConcurrentAppenders) {
    test::TempDir dir;
    const std::string file = dir.file("Sales.history");
    std::vector<std::unique_ptr<test::ChildProcess>> children;
    for (int process = 0; process < kProcesses; ++process) {
        children.push_back(std::make_unique<test::ChildProcess>(test::thisProgramWith(
            {std::string(appender::kSwitch), file, std::to_string(process), std::to_string(kAppendsEach)})));
    }
    for (const auto& child : children) {
        EXPECT_EQ(child->waitForExit(120s), 0ul) << "an appender failed or did not end";
    }

    appender::expectEveryRecordOnce(file, kProcesses, kAppendsEach);
}

} // namespace
} // namespace corvane
