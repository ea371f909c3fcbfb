#pragma once

#include "platform/win32/ui/MessageWindow.h"

namespace corvane::forms {
class Runtime;
}

namespace corvane::forms::win32 {

/// Runs the program's message loop passes (`Runtime::processEvents`: message sources, then due
/// timers) from a 10 ms timer of the thread, so they happen in every message loop: the main one, a
/// modal form's, a message box's or a common dialog's. It stops once the program has ended.
class MessagePump {
public:
    static constexpr UINT kIntervalMs = 10;

    MessagePump(HINSTANCE instance, Runtime& runtime);
    ~MessagePump();
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

private:
    void tick();

    Runtime& runtime_;
    MessageWindow window_;
    bool running_ = true;
};

} // namespace corvane::forms::win32
