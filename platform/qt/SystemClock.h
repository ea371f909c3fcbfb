#pragma once

#include "forms/Clock.h"

#include <chrono>

namespace corvane::forms::qt {

/// The monotonic clock of the machine.
class SystemClock : public Clock {
public:
    std::chrono::milliseconds now() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

} // namespace corvane::forms::qt
