#include "forms/TimerControl.h"

#include "common/RuntimeError.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

TimerControl::TimerControl(Form& form, TimerProps props) : form_(form), props_(std::move(props)) {
    if (props_.interval < 0) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
    form_.addTimer(*this);
    form_.runtime().registerTimer(*this);
    restart();
}

TimerControl::~TimerControl() {
    form_.runtime().unregisterTimer(*this);
    form_.removeTimer(*this);
}

void TimerControl::setInterval(int32_t interval) {
    if (interval < 0) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
    props_.interval = interval;
    restart();
}

void TimerControl::setEnabled(bool enabled) {
    props_.enabled = enabled;
    restart();
}

void TimerControl::restart() {
    nextDue_ = form_.runtime().clock().now() + std::chrono::milliseconds(props_.interval);
}

bool TimerControl::running() const {
    return props_.enabled && props_.interval > 0 && form_.Loaded() && !inHandler_;
}

std::optional<std::chrono::milliseconds> TimerControl::dueTime() const {
    if (!running()) {
        return std::nullopt;
    }
    return nextDue_;
}

bool TimerControl::isDue(std::chrono::milliseconds now) const {
    return running() && nextDue_ <= now;
}

void TimerControl::tick(std::chrono::milliseconds now) {
    nextDue_ = now + std::chrono::milliseconds(props_.interval);
    inHandler_ = true;
    form_.runtime().raise(Timer);
    inHandler_ = false;
}

} // namespace corvane::forms
