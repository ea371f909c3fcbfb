#include "platform/qt/MessagePump.h"

#include "forms/Runtime.h"

namespace corvane::forms::qt {

MessagePump::MessagePump(Runtime& runtime) {
    QObject::connect(&timer_, &QTimer::timeout, this, [this, &runtime] {
        if (runtime.ended()) {
            timer_.stop();
        } else {
            runtime.processEvents();
        }
    });
    timer_.start(kIntervalMs);
}

} // namespace corvane::forms::qt
