// Several processes append to one history file at once, as triggers on several machines do on a
// shared folder, through the Windows append primitive.
#include "common/ChangeHistory.h"
#include "tests/support/HistoryAppender.h"
#include "tests/support/TempDir.h"
#include "tests/win32/ChildProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>
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

    const ChangeHistory::Content content = ChangeHistory::parse(test::readBytes(file));
    EXPECT_EQ(content.badLines, 0);
    ASSERT_EQ(content.records.size(), static_cast<size_t>(kProcesses * kAppendsEach));
    std::set<std::pair<int, std::string>> seen;
    for (const HistoryRecord& record : content.records) {
        EXPECT_EQ(record, appender::recordOf(record.field, std::stoi(record.after)));
        seen.emplace(record.field, record.after);
    }
    EXPECT_EQ(seen.size(), content.records.size()) << "a record was written twice";
}

} // namespace
} // namespace corvane
