#include "tests/support/HistoryAppender.h"

#include "common/ChangeHistory.h"
#include "common/RuntimeError.h"
#include "common/Text.h"

#include <chrono>

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

} // namespace corvane::test::HistoryAppender
