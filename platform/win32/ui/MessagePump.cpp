#include "platform/win32/ui/MessagePump.h"

#include "forms/Runtime.h"

namespace corvane::forms::win32 {

namespace {
constexpr UINT_PTR kTimerId = 1;
} // namespace

MessagePump::MessagePump(HINSTANCE instance, Runtime& runtime)
    : runtime_(runtime), window_(instance, [this](UINT msg, WPARAM, LPARAM) {
          if (msg == WM_TIMER) {
              tick();
          }
      }) {
    SetTimer(window_.window(), kTimerId, kIntervalMs, nullptr);
}

MessagePump::~MessagePump() {
    if (running_) {
        KillTimer(window_.window(), kTimerId);
    }
}

void MessagePump::tick() {
    if (!running_) {
        return;
    }
    if (runtime_.ended()) {
        running_ = false;
        KillTimer(window_.window(), kTimerId);
        return;
    }
    runtime_.processEvents();
}

} // namespace corvane::forms::win32
