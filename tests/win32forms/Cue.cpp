#include "tests/win32forms/Cue.h"

#include <map>
#include <utility>

namespace corvane::forms::win32::test {

namespace {
constexpr UINT kIntervalMs = 10;

/// The cues waiting on this thread by their timer; a thread timer's procedure gets no context.
std::map<UINT_PTR, Cue*>& waiting() {
    static std::map<UINT_PTR, Cue*> cues;
    return cues;
}
} // namespace

Cue::Cue(std::function<bool()> ready, std::function<void()> action, std::function<void()> fallback,
         std::chrono::milliseconds patience)
    : ready_(std::move(ready)), action_(std::move(action)), fallback_(std::move(fallback)),
      deadline_(GetTickCount64() + static_cast<ULONGLONG>(patience.count())),
      timer_(SetTimer(nullptr, 0, kIntervalMs, &Cue::tick)) {
    waiting()[timer_] = this;
}

Cue Cue::deadline(std::function<void()> fallback, std::chrono::milliseconds patience) {
    return Cue([] { return false; }, [] {}, std::move(fallback), patience);
}

Cue::~Cue() {
    stop();
}

void Cue::stop() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
        waiting().erase(timer_);
        timer_ = 0;
    }
}

void CALLBACK Cue::tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = waiting().find(id);
    if (found != waiting().end()) {
        found->second->check();
    }
}

void Cue::check() {
    // The action may run a message loop of its own (a modal form it opens): the cue is done first.
    if (ready_()) {
        stop();
        fired_ = true;
        action_();
    } else if (GetTickCount64() >= deadline_) {
        stop();
        gaveUp_ = true;
        fallback_();
    }
}

} // namespace corvane::forms::win32::test
