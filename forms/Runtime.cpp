#include "forms/Runtime.h"

#include "forms/Form.h"
#include "forms/FormObserver.h"
#include "forms/TimerControl.h"

#include <algorithm>
#include <string>

namespace corvane::forms {

Runtime::Runtime(Backend& backend, Services services) : backend_(backend), services_(services) {}

int Runtime::MsgBox(std::string_view text, MsgBoxStyle style, std::string_view title) {
    MsgBoxRequest request{std::string(text), title.empty() ? services_.app.Title() : std::string(title), style};
    return modalWait([&] { return services_.msgBox.show(request); });
}

void Runtime::leaveIfEnded() const {
    if (ended_) {
        throw ProgramEnded{};
    }
}

void Runtime::showRunTimeError(const RuntimeError& error) noexcept {
    try {
        std::string text = "Run-time error '" + std::to_string(error.number()) + "':\n\n" + error.description();
        MsgBox(text, {.icon = MsgBoxIcon::Critical});
    } catch (...) {
        // Nothing is left to tell the user with (or the program ended meanwhile); its handler is over.
    }
}

int Runtime::addMessageSource(std::function<void()> source) {
    messageSources_.emplace_back(nextSourceId_, std::move(source));
    return nextSourceId_++;
}

void Runtime::removeMessageSource(int id) {
    std::erase_if(messageSources_, [id](const auto& entry) { return entry.first == id; });
}

void Runtime::processEvents() {
    if (ended_) {
        return;
    }
    // A source may add or remove sources while it runs.
    auto sources = messageSources_;
    for (auto& [id, source] : sources) {
        dispatch(source);
    }
    fireDueTimers();
}

bool Runtime::isRegistered(const TimerControl* timer) const {
    return std::find(timers_.begin(), timers_.end(), timer) != timers_.end();
}

void Runtime::fireDueTimers() {
    auto now = services_.clock.now();
    // A handler may destroy timers or create new ones; each timer is looked up again before it ticks.
    auto timers = timers_;
    for (TimerControl* timer : timers) {
        if (!ended_ && isRegistered(timer) && timer->isDue(now)) {
            timer->tick(now);
        }
    }
}

std::optional<std::chrono::milliseconds> Runtime::nextTimerDue() const {
    std::optional<std::chrono::milliseconds> next;
    if (ended_) {
        return next;
    }
    for (const TimerControl* timer : timers_) {
        if (auto due = timer->dueTime(); due && (!next || *due < *next)) {
            next = due;
        }
    }
    return next;
}

void Runtime::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    auto forms = forms_;
    for (Form* form : forms) {
        form->endAbruptly();
    }
    backend_.programEnded();
}

void Runtime::addFormObserver(FormObserver& observer) {
    observers_.push_back(&observer);
}

void Runtime::removeFormObserver(FormObserver& observer) {
    std::erase(observers_, &observer);
}

void Runtime::registerForm(Form& form) {
    forms_.push_back(&form);
}

void Runtime::unregisterForm(Form& form) {
    std::erase(forms_, &form);
}

void Runtime::registerTimer(TimerControl& timer) {
    timers_.push_back(&timer);
}

void Runtime::unregisterTimer(TimerControl& timer) {
    std::erase(timers_, &timer);
}

void Runtime::formVisibilityChanged(Form& form) {
    auto observers = observers_;
    for (FormObserver* observer : observers) {
        if (form.Visible()) {
            observer->formShown(form);
        } else {
            observer->formHidden(form);
        }
    }
}

void Runtime::formUnloaded(Form&) {
    if (ended_) {
        return;
    }
    if (std::none_of(forms_.begin(), forms_.end(), [](const Form* f) { return f->Loaded(); })) {
        ended_ = true;
        backend_.programEnded();
    }
}

void Runtime::runModal(Form& form) {
    modalWait([&] {
        backend_.runModalLoop(form);
        return true;
    });
}

} // namespace corvane::forms
