#include "tests/support/HistoryAppender.h"

#include "common/ChangeHistory.h"
#include "common/RuntimeError.h"
#include "common/Text.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>

namespace corvane::test::HistoryAppender {

HistoryRecord recordOf(int appender, int n) {
    return {std::chrono::sys_seconds{std::chrono::seconds{1'800'000'000 + n}}, "P" + text::decimal(appender),
            static_cast<int16_t>(appender), std::string(1500, static_cast<char>('a' + appender)) + "\r\n\t\"",
            text::decimal(n)};
}

int run(const std::string& file, int appender, int count) {
    int failed = 0;
    for (int n = 0; n < count; ++n) {
        try {
            ChangeHistory::append(file, recordOf(appender, n));
        } catch (const RuntimeError&) {
            ++failed;
        }
    }
    return failed;
}

void expectEveryRecordOnce(const std::string& file, int appenders, int count) {
    const ChangeHistory::Content content = ChangeHistory::parse(readBytes(file));
    EXPECT_EQ(content.badLines, 0);
    ASSERT_EQ(content.records.size(), static_cast<size_t>(appenders * count));
    std::set<std::pair<int, std::string>> seen;
    for (const HistoryRecord& record : content.records) {
        EXPECT_EQ(record, recordOf(record.field, std::stoi(record.after)));
        seen.emplace(record.field, record.after);
    }
    EXPECT_EQ(seen.size(), content.records.size()) << "a record was written twice";
}

} // namespace corvane::test::HistoryAppender
