#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace corvane {

/// One value that the trigger wrote into an ACT! field: when (UTC, whole seconds), by whom (ACT!'s
/// unique ID of the logged-in user), into which field, and the field's value before the run and the
/// value written.
struct HistoryRecord {
    std::chrono::sys_seconds time;
    std::string userId;
    int16_t field = 0;
    std::string before;
    std::string after;

    bool operator==(const HistoryRecord&) const = default;
};

} // namespace corvane
