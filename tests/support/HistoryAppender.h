#pragma once

#include "common/HistoryRecord.h"

#include <string>
#include <string_view>

/// Both sides of the test in which several processes append to one history file at once.
namespace corvane::test::HistoryAppender {

/// The argument that makes a test program an appender (see tests/win32/main.cpp).
inline constexpr std::string_view kSwitch = "--history-appender";

/// The n-th record of an appender: long values with line breaks, tabs and quotes, so that a record
/// written in pieces or mixed with another shows as a bad line.
HistoryRecord recordOf(int appender, int n);

/// The appender: appends `recordOf(appender, 0)` .. `recordOf(appender, count - 1)` to `file`; its
/// exit code is the number of appends that failed.
int run(const std::string& file, int appender, int count);

/// The check once every appender has ended: `file` holds each appender's `count` records exactly once,
/// whole, and no bad line.
void expectEveryRecordOnce(const std::string& file, int appenders, int count);

} // namespace corvane::test::HistoryAppender
