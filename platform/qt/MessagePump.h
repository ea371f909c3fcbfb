#pragma once

#include <QObject>
#include <QTimer>

namespace corvane::forms {
class Runtime;
}

namespace corvane::forms::qt {

/// Runs the program's message loop passes (`Runtime::processEvents`: message sources, then due
/// timers) from a Qt timer, so they happen in every Qt event loop: the main one, a modal form's, a
/// message box's or a dialog's.
class MessagePump : public QObject {
public:
    static constexpr int kIntervalMs = 10;

    explicit MessagePump(Runtime& runtime);

private:
    QTimer timer_;
};

} // namespace corvane::forms::qt
