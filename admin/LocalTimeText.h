#pragma once

#include <chrono>
#include <string>

namespace corvane::admin {

/// UTC times as the machine's local time, "2026-12-07 07:19:38". The system's conversion reads the
/// time zone anew for every call, which a history of 100,000 changes cannot afford: this one asks it
/// once for each quarter of an hour met, the finest step in which zones change their offset.
class LocalTimeText {
public:
    std::string operator()(std::chrono::sys_seconds time);

private:
    std::chrono::sys_seconds quarter_{std::chrono::sys_seconds::min()};
    std::chrono::seconds offset_{0};
};

} // namespace corvane::admin
