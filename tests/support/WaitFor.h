#pragma once

#include <chrono>
#include <thread>

namespace corvane::test {

/// Polls `condition` every 10 ms until it holds or `timeout` has passed (another process has to
/// act first); true when it held.
template <class Condition>
bool waitFor(Condition&& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace corvane::test
