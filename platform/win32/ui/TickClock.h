#pragma once

#include "forms/Clock.h"
#include "platform/win32/ui/WinApi.h"

namespace corvane::forms::win32 {

/// The system's tick count since start-up, which no change of the clock on the wall moves.
class TickClock : public Clock {
public:
    std::chrono::milliseconds now() override {
        return std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(GetTickCount64()));
    }
};

} // namespace corvane::forms::win32
