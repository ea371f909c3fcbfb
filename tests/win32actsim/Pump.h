#pragma once

#include "platform/win32/ui/WinApi.h"
#include "tests/support/WaitFor.h"

namespace corvane::test {

/// Runs the thread's messages (the event control's timer among them) until the condition holds or the
/// time is up; true when it held.
template <class Condition>
bool pumpUntil(Condition&& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    return waitFor(
        [&] {
            MSG message{};
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            return condition();
        },
        timeout);
}

} // namespace corvane::test
