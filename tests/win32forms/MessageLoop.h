#pragma once

#include <chrono>
#include <functional>

namespace corvane::forms::win32::test {

/// How long a test waits for something the windows have to do before it counts as not done.
inline constexpr std::chrono::milliseconds kPatience{5000};

/// Runs the thread's messages as the backend's loops do (a form's messages through the dialog
/// manager first) until `condition` holds; false when it still does not after `patience`.
bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience = kPatience);

/// Runs the messages that are waiting now, and the painting and timers they lead to.
void pumpPending();

} // namespace corvane::forms::win32::test
