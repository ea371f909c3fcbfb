#include "sim/fault/FaultyEventControl.h"

namespace corvane::sim {

int32_t FaultyEventControl::Operation1(int32_t value) {
    return injector_.intercept<int32_t>("EventControl.Operation1", {std::to_string(value)},
                                        [&] { return inner_->Operation1(value); });
}

void FaultyEventControl::Operation2() {
    injector_.intercept<void>("EventControl.Operation2", {}, [&] { inner_->Operation2(); });
}

bool FaultyEventControl::Operation3() {
    return injector_.intercept<bool>("EventControl.Operation3", {}, [&] { return inner_->Operation3(); });
}

void FaultyEventControl::SetEventSink(act::EventSink* sink) {
    injector_.intercept<void>("EventControl.SetEventSink", {sink ? "sink" : "null"},
                              [&] { inner_->SetEventSink(sink); });
}

void FaultyEventControl::PumpEvents() {
    injector_.intercept<void>("EventControl.PumpEvents", {}, [&] { inner_->PumpEvents(); });
}

} // namespace corvane::sim
