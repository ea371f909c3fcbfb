#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace corvane::forms {

class Form;

struct TimerProps {
    std::string name;
    /// Milliseconds between ticks; 0 keeps the timer from ticking.
    int32_t interval = 0;
    bool enabled = true;
};

/// VB's Timer. It ticks only while its form is loaded, it is enabled and its interval is above 0,
/// and only from a message loop (`Runtime::processEvents`), never in the middle of other code. The
/// countdown starts again whenever the interval or the enabled state is set. A tick whose handler is
/// still running (e.g. showing a modal form) does not tick again until it returns.
class TimerControl {
public:
    TimerControl(Form& form, TimerProps props);
    ~TimerControl();
    TimerControl(const TimerControl&) = delete;
    TimerControl& operator=(const TimerControl&) = delete;

    const std::string& Name() const { return props_.name; }
    int32_t Interval() const { return props_.interval; }
    void setInterval(int32_t interval);
    bool Enabled() const { return props_.enabled; }
    void setEnabled(bool enabled);

    std::function<void()> Timer;

    // Used by the runtime and the form.
    void restart();
    std::optional<std::chrono::milliseconds> dueTime() const;
    bool isDue(std::chrono::milliseconds now) const;
    void tick(std::chrono::milliseconds now);

private:
    bool running() const;

    Form& form_;
    TimerProps props_;
    std::chrono::milliseconds nextDue_{0};
    bool inHandler_ = false;
};

} // namespace corvane::forms
