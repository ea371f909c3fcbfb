#pragma once

#include <chrono>

namespace corvane::forms {

/// The time that drives timers.
class Clock {
public:
    virtual ~Clock() = default;
    /// A monotonic time; only differences matter.
    virtual std::chrono::milliseconds now() = 0;
};

} // namespace corvane::forms
