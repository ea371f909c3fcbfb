#pragma once

#include "forms/Clock.h"

namespace corvane::forms::headless {

/// A clock that moves only when the test moves it. Moving it alone fires no timer;
/// `HeadlessSession::advance` moves it through the message loop.
class ManualClock : public Clock {
public:
    std::chrono::milliseconds now() override { return now_; }
    void set(std::chrono::milliseconds now) { now_ = now; }

private:
    std::chrono::milliseconds now_{0};
};

} // namespace corvane::forms::headless
